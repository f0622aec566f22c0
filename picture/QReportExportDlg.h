// The report export dialog of the picture analysis window: a modal,
// frameless two-page dialog. On the first page the user names the report and
// picks its folder, format, title and author; "NextStep" prepares the
// report's own folder with its "Res" folder, has the window save the shown
// picture there and sends one request to the report worker, which runs on the
// dialog's thread. The second page waits for the answer and shows it.
//
// The parent must be the analysis window: it is asked for the picture as a
// PictureGrabber. Owner's order: construct, setResults, setGridInfo, exec.
#pragma once

#include <QDialog>
#include <QString>
#include <QThread>
#include <QVector>

#include "ReportGridInfo.h"
#include "RuleTemperResult.h"
#include "ST_ReportParam.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMovie;
class QPushButton;
class QReportExport;
class QSelLineEdit;
class QStackedWidget;
class QTimerMessageboxExWidget;

class QReportExportDlg : public QDialog {
    Q_OBJECT
public:
    explicit QReportExportDlg(QWidget* parent);
    ~QReportExportDlg() override;

    // Handed to the worker directly: no export runs before exec().
    void setResults(QVector<RuleTemperResult> rows);
    void setGridInfo(ReportGridInfo grid);

    // For tests and screenshots.
    QLineEdit* nameEdit() const { return m_nameEdit; }
    QLineEdit* titleEdit() const { return m_titleEdit; }
    QLineEdit* authorEdit() const { return m_authorEdit; }
    QSelLineEdit* pathSelector() const { return m_pathSel; }
    QComboBox* formatComboBox() const { return m_formatCombo; }
    QStackedWidget* stackedWidget() const { return m_stacked; }
    QPushButton* nextStepButton() const { return m_nextBtn; }
    QPushButton* prevStepButton() const { return m_prevBtn; }
    QPushButton* openFolderButton() const { return m_openFolderBtn; }
    QTimerMessageboxExWidget* toast() const { return m_toast; }
    QLabel* resultTextLabel() const { return m_resultTextLabel; }
    QLabel* resultPictureLabel() const { return m_resultPicLabel; }
    QLabel* progressLabel() const { return m_progressLabel; }
    QReportExport* worker() const { return m_worker; }

signals:
    void sendReportExportSignals(const ST_ReportParam& param);

public slots:
    void setWndCloseSlots();
    void setNextStepSlots();
    void setPrevStepSlots();
    void setSavePathSelSlots();
    void setOpenFolderSlots();
    void setReportExportResultSlots(bool bFlag);

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildForm();
    void retranslate();
    // The first empty one of name, title and author, or null.
    QLineEdit* firstEmptyField() const;
    void showProgress();
    void showResult(bool ok);
    void fillRequest(const QString& reportFile, const QString& resDir);

    QThread m_thread;
    QReportExport* m_worker = nullptr;  // not owned: deleted on its thread when m_thread finishes
    ST_ReportParam m_param;
    QString m_reportDir;  // the last export's folder, for "Open Folder"
    bool m_resultOk = false;  // the result shown on the progress page

    QTimerMessageboxExWidget* m_toast = nullptr;  // child
    QMovie* m_movie = nullptr;                    // child
    QButtonGroup* m_displayGroup = nullptr;       // child

    // The form; every widget a child of the dialog.
    QLabel* m_titleLabel = nullptr;
    QPushButton* m_closeBtn = nullptr;
    QLabel* m_step1Label = nullptr;
    QLabel* m_paramSettingsLabel = nullptr;
    QLabel* m_step2Label = nullptr;
    QLabel* m_completeLabel = nullptr;
    QStackedWidget* m_stacked = nullptr;
    QLabel* m_basicInfoLabel = nullptr;
    QLabel* m_fileNameLabel = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QLabel* m_savePathLabel = nullptr;
    QSelLineEdit* m_pathSel = nullptr;
    QLabel* m_formatLabel = nullptr;
    QComboBox* m_formatCombo = nullptr;
    QLabel* m_coverPageLabel = nullptr;
    QLabel* m_reportTitleLabel = nullptr;
    QLineEdit* m_titleEdit = nullptr;
    QLabel* m_authorLabel = nullptr;
    QLineEdit* m_authorEdit = nullptr;
    QLabel* m_displayDataLabel = nullptr;
    QCheckBox* m_selectAllBox = nullptr;
    QCheckBox* m_humidityBox = nullptr;
    QCheckBox* m_environmentBox = nullptr;
    QCheckBox* m_reflexBox = nullptr;
    QCheckBox* m_textNoteBox = nullptr;
    QLabel* m_resultPicLabel = nullptr;
    QLabel* m_progressLabel = nullptr;
    QLabel* m_resultTextLabel = nullptr;
    QPushButton* m_prevBtn = nullptr;
    QPushButton* m_openFolderBtn = nullptr;
    QPushButton* m_nextBtn = nullptr;
};
