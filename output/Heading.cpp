#include "Output.h"

#include "Dialogs.h"
#include "Overskr.h"

// The heading buttons only show the dialog; printouts read HeadingText later.
void ShowHeadingDialog() {
    ExecModal(*Overskrif);
}
