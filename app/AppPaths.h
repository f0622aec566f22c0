// Where the program's files live, decided once at start-up and used by
// everything else: Config.ini, the default record/snapshot and report roots,
// the analysis render file and the thermcore logs.
//
// "Portable" when the program's own folder accepts a probe file: everything
// sits beside the program. Otherwise (an installed program) the files go to
// the user's configuration, documents, cache and data folders. CALIDRA_HOME,
// when set, replaces both with a portable layout under it (tests and CI).
#pragma once

#include <QString>

class AppPaths {
public:
    // The paths of this run; decided on the first call (needs the
    // application object for the program's folder).
    static const AppPaths& get();
    // Decides again (tests that change CALIDRA_HOME).
    static void reset();

    bool portable() const { return portable_; }
    // The folder of the portable layout, or the program's folder.
    QString appDir() const { return appDir_; }
    QString configFile() const { return configFile_; }
    QString userDataDir() const { return userDataDir_; }
    QString reportDir() const { return reportDir_; }
    QString tmpBmp() const { return tmpBmp_; }
    QString logDir() const { return logDir_; }

    // Creates the log folder and points thermcore's logs there.
    void prepareLogs() const;

private:
    AppPaths();

    bool portable_ = true;
    QString appDir_, configFile_, userDataDir_, reportDir_, tmpBmp_, logDir_;
};
