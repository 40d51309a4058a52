#pragma once

#include <QString>

// The program's one version: CMake's project version, compiled in. The package,
// the metadata, the manual page, About and the settings' version record all
// follow it, so an update of the program is seen as one at its next start.
namespace AppVersion {

// "2.3.1", as the package and --version give it.
QString number();

// The form About shows and the settings record: "V_<major>.<minor>.<patch>" with
// minor and patch in two digits ("2.3.1" gives "V_2.03.01").
QString displayText();
QString displayTextFor(const QString &number);

}  // namespace AppVersion
