// The image parameter panel of module 3: the camera's image settings in
// foldable sections, one open at a time (basic, wide dynamic, gain,
// flat-field correction, image mode), with restore defaults and save below.
//
// The panel owns the worker thread that carries every camera call of its
// pages: the pages' requests go to the worker and its read-backs and
// results come back to the pages, all queued. A refresh reads the camera's
// values back behind the wait dialog; save asks the camera to keep its
// current image parameters; restore sends every page's defaults between
// two markers, so the worker can say whether the camera took them all. The
// palette request leaves through sendFalseColIndexSignals to the live page.
// GUI thread only, but for the worker.
#pragma once

#include <QThread>
#include <QWidget>

#include "FoldSections.h"

class QBasicSetting;
class QFFCSetting;
class QGainSetting;
class QImageInfoExec;
class QImageModeWidget;
class QLoadingMsgDlg;
class QPushButton;
class QVBoxLayout;
class QWideDynamicWidget;

class QImageInfo : public QWidget {
    Q_OBJECT
public:
    // The sections, top to bottom.
    enum Section { BasicSection = 0, WideDynamicSection, GainSection, FFCSection, ImageModeSection, SectionCount };

    explicit QImageInfo(QWidget* parent = nullptr);
    ~QImageInfo() override;

    // Refreshes the pages' controls, shows the image mode section for
    // cameras with the pseudo isotherm, and, for a connected, awake camera,
    // reads its values back behind the wait dialog.
    void refreshImageParam();
    void setFalseColEnabled(bool bEnable);
    void setFalseColCurIndex(int nIndex);
    void updateFalseColorList();

    QBasicSetting* basicPage() const { return basic_; }
    QWideDynamicWidget* wideDynamicPage() const { return wideDynamic_; }
    QGainSetting* gainPage() const { return gain_; }
    QFFCSetting* ffcPage() const { return ffc_; }
    QImageModeWidget* imageModePage() const { return imageMode_; }
    QImageInfoExec* worker() const { return worker_; }
    QLoadingMsgDlg* waitDialog() const { return wait_; }
    const FoldSections& sections() const { return folds_; }
    QPushButton* restoreButton() const { return restoreBtn_; }
    QPushButton* saveButton() const { return saveBtn_; }

signals:
    void sendFalseColIndexSignals(int nIndex);
    void getImageParamSignal();
    void sendSaveImageParamSignal();
    // Markers around the requests of a restore of defaults.
    void sendBeginRestoreSignal();
    void sendEndRestoreSignal();

public slots:
    void setBasicSettingsShowSlots();
    void setWideDynamicShowSlots();
    void setGainSettingsShowSlots();
    void setFFCSettingsShowSlots();
    void setImageModeSetShowSlots();
    void setRestoreBtnSlots();
    void setSaveBtnSlots();
    void getImageParamRetSlot();
    void setSaveImageParamRetSlot(bool bRet);
    // The restore's outcome: how many of its camera writes were refused.
    void setRestoreDefaultRetSlot(bool bRet, int nFailures);

protected:
    void changeEvent(QEvent* event) override;

private:
    void initUI();
    void initConnect();
    void connectWorker();
    void retranslateTexts();
    // The connection and sleep guards of save and restore; false after
    // telling the user.
    bool checkCameraUsable();

    QThread thread_;
    QVBoxLayout* sectionsLayout_ = nullptr;  // owned by the outer layout
    FoldSections folds_;                     // the headers and pages, children
    QBasicSetting* basic_ = nullptr;         // child, also a section's page
    QWideDynamicWidget* wideDynamic_ = nullptr;  // child, also a section's page
    QGainSetting* gain_ = nullptr;           // child, also a section's page
    QFFCSetting* ffc_ = nullptr;             // child, also a section's page
    QImageModeWidget* imageMode_ = nullptr;  // child, also a section's page
    QPushButton* restoreBtn_ = nullptr;      // child
    QPushButton* saveBtn_ = nullptr;         // child
    QLoadingMsgDlg* wait_ = nullptr;         // child
    QImageInfoExec* worker_ = nullptr;       // not owned: lives on thread_, deleted when it finishes
};
