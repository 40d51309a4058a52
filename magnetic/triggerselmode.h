#pragma once

// How the trigger settings of the selected keys work. The keyboard uses the same values as
// the sub-code of the magnetic apply report and in its answer to a key query.
enum TriggerSelMode
{
    TriggerSelMode_Single = 0,                // one trigger point
    TriggerSelMode_Separate = 1,              // separate press and release points
    TriggerSelMode_QuickTrigger = 12,         // one point, quick trigger
    TriggerSelMode_QuickTriggerSeparate = 13  // separate points, quick trigger
};

// The trigger settings "Apply" hands over for the selected keys, in the order of the
// apply signal's arguments.
struct MagnetKeyTriggerConfig
{
    int selMode = TriggerSelMode_Single;
    int strengthNum_L = 0;               // press point, travel levels of 0.1 mm
    int strengthNum_R = 0;               // release point; equal to the press point unless separate
    int strengthNum_QuickTrigger_L = 0;  // quick-trigger press sensitivity 1..20 (0.1..2.0 mm)
    int strengthNum_QuickTrigger_R = 0;  // quick-trigger release sensitivity
};
