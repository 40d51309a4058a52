#pragma once

#include <QString>

// The folder a file dialog starts in: the user's desktop folder when it exists,
// else the documents folder, else the home folder. A desktop without a Desktop
// folder would otherwise open the dialog somewhere arbitrary.
QString dialogStartFolder();
