// What the program sets up before its main window: the queued record types,
// the folders of this run with thermcore's log folder, and the embedded
// style sheet. Shared by main() and the screenshot test.
#pragma once

class QApplication;

// Needs the application object. Returns false when the style sheet could
// not be read (the program then runs unstyled, as it always has).
bool prepareApplication(QApplication& app);
