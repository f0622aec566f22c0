#include "QReportExportDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMovie>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "AppHelpers.h"
#include "ConfigManager.h"
#include "DialogParts.h"
#include "PictureGrabber.h"
#include "QReportExport.h"
#include "QSelLineEdit.h"
#include "QTimerMessageboxExWidget.h"
#include "ThermalImageData.h"
#include "UiPrompts.h"

namespace {

constexpr int kFieldWidth = 212;
constexpr int kFieldHeight = 32;
constexpr int kButtonWidth = 160;
constexpr int kMaxPathBytes = 100;
const QString kFullColon(QChar(0xFF1A));
const QString kDivider = QStringLiteral(":/Resource/Skin/window_Dividinglines_600.png");

QLineEdit* lineEdit(QWidget* parent, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName("LineEdit_Style1");
    edit->setFixedSize(kFieldWidth, kFieldHeight);
    edit->setMaxLength(maxLength);
    return edit;
}

QLabel* label(QWidget* parent, const char* objectName)
{
    auto* l = new QLabel(parent);
    l->setObjectName(objectName);
    return l;
}

QPushButton* button(QWidget* parent, const char* objectName)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(objectName);
    b->setFixedSize(kButtonWidth, kFieldHeight);
    return b;
}

QFormLayout* formBlock()
{
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(50);
    form->setVerticalSpacing(16);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return form;
}

}  // namespace

QReportExportDlg::QReportExportDlg(QWidget* parent) : QDialog(parent)
{
    qRegisterMetaType<ST_ReportParam>();
    buildForm();
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(600, 640);
    setObjectName("ReportExportDlg");

    m_toast = new QTimerMessageboxExWidget(this);
    m_toast->hide();

    m_displayGroup = new QButtonGroup(this);
    m_displayGroup->setExclusive(false);
    for (QCheckBox* box : {m_humidityBox, m_environmentBox, m_reflexBox, m_textNoteBox}) m_displayGroup->addButton(box);
    for (QWidget* w : std::initializer_list<QWidget*>{m_displayDataLabel, m_selectAllBox, m_humidityBox,
                                                      m_environmentBox, m_reflexBox, m_textNoteBox})
        w->hide();

    m_worker = new QReportExport;
    m_worker->moveToThread(&m_thread);
    m_thread.start(QThread::InheritPriority);

    m_pathSel->setText(GetReportPath());
    m_selectAllBox->setTristate(false);
    for (QCheckBox* box : {m_selectAllBox, m_humidityBox, m_environmentBox, m_reflexBox}) box->setChecked(true);
    m_textNoteBox->setChecked(false);

    retranslate();

    connect(m_closeBtn, &QPushButton::clicked, this, &QReportExportDlg::setWndCloseSlots);
    connect(m_nextBtn, &QPushButton::clicked, this, &QReportExportDlg::setNextStepSlots);
    connect(m_prevBtn, &QPushButton::clicked, this, &QReportExportDlg::setPrevStepSlots);
    connect(m_pathSel, &QSelLineEdit::sendSelBtnClickedSignals, this, &QReportExportDlg::setSavePathSelSlots);
    connect(m_openFolderBtn, &QPushButton::clicked, this, &QReportExportDlg::setOpenFolderSlots);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(this, &QReportExportDlg::sendReportExportSignals, m_worker, &QReportExport::setReportExportSlots);
    connect(m_worker, &QReportExport::sendReportExportResultSignals, this,
            &QReportExportDlg::setReportExportResultSlots);
}

QReportExportDlg::~QReportExportDlg()
{
    // The quit is queued behind a request that may still be pending, so an
    // export the user started is written before the dialog goes.
    QThread* thread = &m_thread;
    QMetaObject::invokeMethod(m_worker, [thread] { thread->quit(); }, Qt::QueuedConnection);
    m_thread.wait();
}

void QReportExportDlg::buildForm()
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(6);
    layout->setContentsMargins(0, 9, 0, 9);

    QHBoxLayout* titleRow = makeTitleRow(this, &m_titleLabel, &m_closeBtn);
    titleRow->setSpacing(6);
    titleRow->setContentsMargins(16, 0, 16, 0);
    m_titleLabel->setObjectName("Label_F5_16");
    layout->addLayout(titleRow);
    layout->addWidget(makeDividerLabel(this, kDivider));

    auto* stepRow = new QHBoxLayout;
    stepRow->setSpacing(6);
    stepRow->setContentsMargins(0, 9, 0, 0);
    m_step1Label = label(this, "Step1Label");
    m_step1Label->setFixedSize(28, 28);
    m_paramSettingsLabel = label(this, "ParamSettingsLabel");
    auto* line = label(this, "Line1Label");
    line->setFixedSize(80, 1);
    m_step2Label = label(this, "Step2Label");
    m_step2Label->setFixedSize(28, 28);
    m_step2Label->setEnabled(false);
    m_completeLabel = label(this, "CompleteLabel");
    m_completeLabel->setEnabled(false);
    stepRow->addStretch(1);
    for (QWidget* w : std::initializer_list<QWidget*>{m_step1Label, m_paramSettingsLabel, line, m_step2Label,
                                                      m_completeLabel})
        stepRow->addWidget(w);
    stepRow->addStretch(1);
    layout->addLayout(stepRow);

    m_stacked = new QStackedWidget(this);
    layout->addWidget(m_stacked, 1);

    // Parameters page.
    auto* paramPage = new QWidget(m_stacked);
    paramPage->setObjectName("paramSetPage");
    auto* paramLayout = new QVBoxLayout(paramPage);
    paramLayout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(paramPage);
    scroll->setStyleSheet("QScrollArea{border: none;}");
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    auto* content = new QWidget(scroll);
    content->setObjectName("ParamSetScrollAreaWidget");
    content->setStyleSheet("QWidget#ParamSetScrollAreaWidget{background-color:#5F615a;}");
    auto* blocks = new QVBoxLayout(content);
    blocks->setSpacing(30);
    blocks->setContentsMargins(60, 30, 0, 30);

    m_basicInfoLabel = label(content, "Label_F5_16");
    m_fileNameLabel = label(content, "Label_FF_85");
    m_nameEdit = lineEdit(content, 50);
    m_nameEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[^\\\\/:*?\"<>|]*$")), m_nameEdit));
    m_savePathLabel = label(content, "Label_FF_85");
    m_pathSel = new QSelLineEdit(content);
    m_pathSel->setFixedSize(kFieldWidth, kFieldHeight);
    m_pathSel->setLineEditStyleSheet("QLineEdit{border:1px solid #b0b0b0;}");
    m_pathSel->setButtonStyleSheet("QPushButton{border:1px solid #b0b0b0;}");
    m_formatLabel = label(content, "Label_FF_85");
    m_formatCombo = new QComboBox(content);
    m_formatCombo->setObjectName("ComboBox");
    m_formatCombo->setFixedSize(kFieldWidth, kFieldHeight);
    m_formatCombo->setView(new QListView(m_formatCombo));
    m_formatCombo->setStyleSheet("QComboBox{border:1px solid #b0b0b0;}");
    m_formatCombo->addItems({"doc", "pdf"});
    m_formatCombo->setCurrentIndex(0);
    QFormLayout* basic = formBlock();
    basic->addRow(m_basicInfoLabel);
    basic->addRow(m_fileNameLabel, m_nameEdit);
    basic->addRow(m_savePathLabel, m_pathSel);
    basic->addRow(m_formatLabel, m_formatCombo);
    blocks->addLayout(basic);

    m_coverPageLabel = label(content, "Label_F5_16");
    m_reportTitleLabel = label(content, "Label_FF_85");
    m_titleEdit = lineEdit(content, 50);
    m_authorLabel = label(content, "Label_FF_85");
    m_authorEdit = lineEdit(content, 30);
    QFormLayout* cover = formBlock();
    cover->addRow(m_coverPageLabel);
    cover->addRow(m_reportTitleLabel, m_titleEdit);
    cover->addRow(m_authorLabel, m_authorEdit);
    blocks->addLayout(cover);

    // Never shown: the boxes only carry the request's flags.
    m_displayDataLabel = label(content, "Label_F5_16");
    m_selectAllBox = new QCheckBox(content);
    m_humidityBox = new QCheckBox(content);
    m_environmentBox = new QCheckBox(content);
    m_reflexBox = new QCheckBox(content);
    m_textNoteBox = new QCheckBox(content);
    QFormLayout* display = formBlock();
    display->addRow(m_displayDataLabel);
    for (QCheckBox* box : {m_selectAllBox, m_humidityBox, m_environmentBox, m_reflexBox, m_textNoteBox})
        display->addRow(box);
    blocks->addLayout(display);
    blocks->addStretch(1);
    scroll->setWidget(content);
    paramLayout->addWidget(scroll);
    m_stacked->addWidget(paramPage);

    // Progress page.
    auto* progressPage = new QWidget(m_stacked);
    progressPage->setObjectName("exportProgressPage");
    auto* progressLayout = new QVBoxLayout(progressPage);
    progressLayout->setSpacing(16);
    m_resultPicLabel = label(progressPage, "reportResultPicLabel");
    m_resultPicLabel->setAlignment(Qt::AlignCenter);
    m_resultPicLabel->hide();
    m_progressLabel = label(progressPage, "exportProgressLabel");
    m_progressLabel->setAlignment(Qt::AlignCenter);
    m_movie = new QMovie(QStringLiteral(":/Resource/Skin/loading.gif"), QByteArray(), this);
    m_progressLabel->setMovie(m_movie);
    m_resultTextLabel = label(progressPage, "Label_FF_18");
    m_resultTextLabel->setAlignment(Qt::AlignCenter);
    m_resultTextLabel->hide();
    progressLayout->addStretch(1);
    for (QLabel* l : {m_resultPicLabel, m_progressLabel, m_resultTextLabel})
        progressLayout->addWidget(l, 0, Qt::AlignCenter);
    progressLayout->addStretch(1);
    m_stacked->addWidget(progressPage);
    m_stacked->setCurrentIndex(0);

    layout->addWidget(makeDividerLabel(this, kDivider));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(6);
    buttonRow->setContentsMargins(16, 0, 16, 0);
    m_prevBtn = button(this, "BtnStyle2");
    m_prevBtn->hide();
    m_openFolderBtn = button(this, "BtnStyle1");
    m_openFolderBtn->hide();
    m_nextBtn = button(this, "BtnStyle1");
    buttonRow->addWidget(m_prevBtn);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_openFolderBtn);
    buttonRow->addWidget(m_nextBtn);
    layout->addLayout(buttonRow);
}

void QReportExportDlg::retranslate()
{
    m_titleLabel->setText(tr("ExportReport"));
    m_paramSettingsLabel->setText(tr("ParamSettings"));
    m_completeLabel->setText(tr("Complete"));
    m_basicInfoLabel->setText(tr("BasicInfo"));
    m_fileNameLabel->setText(tr("FileName"));
    m_savePathLabel->setText(tr("SavePath"));
    m_formatLabel->setText(tr("Format"));
    m_coverPageLabel->setText(tr("CoverPage"));
    m_reportTitleLabel->setText(tr("ReportTitle"));
    m_authorLabel->setText(tr("Author"));
    m_displayDataLabel->setText(tr("DisplayData"));
    m_selectAllBox->setText(tr("SelectAll"));
    m_humidityBox->setText(tr("Humidity"));
    m_environmentBox->setText(tr("EnvironmentTemper"));
    m_reflexBox->setText(tr("ReflexTemper"));
    m_textNoteBox->setText(tr("TextNote"));
    m_prevBtn->setText(tr("PrevStep"));
    m_openFolderBtn->setText(tr("Open Folder"));
    m_nextBtn->setText(tr("NextStep"));
    // One caption column for both blocks, so their fields line up.
    const QList<QLabel*> captions{m_fileNameLabel, m_savePathLabel, m_formatLabel, m_reportTitleLabel, m_authorLabel};
    int width = 0;
    for (QLabel* caption : captions) width = qMax(width, caption->sizeHint().width());
    for (QLabel* caption : captions) caption->setFixedSize(width, kFieldHeight);
    if (m_resultTextLabel->isVisibleTo(this))
        m_resultTextLabel->setText(m_resultOk ? tr("Export successful") : tr("Export failed"));
}

void QReportExportDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void QReportExportDlg::setResults(QVector<RuleTemperResult> rows)
{
    if (m_worker) m_worker->setResults(std::move(rows));
}

void QReportExportDlg::setGridInfo(ReportGridInfo grid)
{
    if (m_worker) m_worker->setGridInfo(grid);
}

void QReportExportDlg::setWndCloseSlots()
{
    close();
}

QLineEdit* QReportExportDlg::firstEmptyField() const
{
    for (QLineEdit* edit : {m_nameEdit, m_titleEdit, m_authorEdit})
        if (edit->text().isEmpty()) return edit;
    return nullptr;
}

void QReportExportDlg::setNextStepSlots()
{
    if (QLineEdit* empty = firstEmptyField()) {
        const QPoint at = m_stacked->mapToParent(empty->pos());
        m_toast->showMessage(tr("Cannot be empty"), QPoint(at.x() + 10, at.y() + empty->height() - 10), 2000);
        return;
    }
    const QString fileName = m_nameEdit->text() + (m_formatCombo->currentIndex() == 1 ? ".pdf" : ".doc");
    const QString reportDir = m_pathSel->text() + "/" + fileName;
    if (IsDirExist(reportDir) &&
        !UiPrompts::instance().question(this, QString(), tr("The file already exist,Replace it")))
        return;

    m_reportDir = reportDir;
    const QString reportFile = reportDir + "/" + fileName;
    showProgress();

    const QString resDir = reportDir + "/Res";
    auto* grabber = dynamic_cast<PictureGrabber*>(parentWidget());
    const bool ready = (!IsFileExist(reportFile) || QFile::remove(reportFile)) && MakeDirPath(resDir) && grabber &&
                       grabber->grabPictureView(resDir + "/IR.bmp");
    if (!ready) {
        setReportExportResultSlots(false);
        return;
    }
    fillRequest(reportFile, resDir);
    emit sendReportExportSignals(m_param);
}

void QReportExportDlg::fillRequest(const QString& reportFile, const QString& resDir)
{
    m_param = ST_ReportParam();
    m_param.outPath = reportFile;
    m_param.resDir = resDir;
    m_param.title = m_reportTitleLabel->text() + kFullColon + m_titleEdit->text();
    m_param.author = m_authorLabel->text() + kFullColon + m_authorEdit->text();
    m_param.humidity = m_humidityBox->isChecked();
    m_param.environmentTemper = m_environmentBox->isChecked();
    m_param.reflexTemper = m_reflexBox->isChecked();
    m_param.textNote = m_textNoteBox->isChecked();
    m_param.format = m_formatCombo->currentIndex();

    // The worker gets copies: the store and the unit cache belong to this
    // thread.
    ThermalImageData& store = ThermalImageData::getInstance();
    if (const USBSDK_GlobalTemperParam* global = store.getPicGlobalRuleConfig()) m_param.globalParam = *global;
    if (const PicRuleList* list = store.getPicRuleList()) {
        QVector<PicRuleConfig> rules;
        for (int i = 0; i < list->size(); ++i) rules.append(list->records[i].rule);
        m_param.rules = rules;
    }
    m_param.temperUnit = ConfigManager::getInstance().getTemperUnitCache();
    m_param.temperSymbol = GetTemperUnitSymbol();
    m_param.distanceUnit = GetDistanceUnit();
    m_param.distanceText = GetDistanceUnitText();
}

void QReportExportDlg::showProgress()
{
    m_step2Label->setEnabled(true);
    m_completeLabel->setEnabled(true);
    m_nextBtn->hide();
    m_openFolderBtn->show();
    m_progressLabel->show();
    m_resultPicLabel->hide();
    m_resultTextLabel->hide();
    m_movie->start();
    m_stacked->setCurrentIndex(1);
}

void QReportExportDlg::showResult(bool ok)
{
    m_resultOk = ok;
    m_movie->stop();
    m_progressLabel->hide();
    m_resultPicLabel->setPixmap(
        QPixmap(ok ? ":/Resource/Skin/export_succeed.png" : ":/Resource/Skin/export_fail.png"));
    m_resultPicLabel->show();
    m_resultTextLabel->setText(ok ? tr("Export successful") : tr("Export failed"));
    m_resultTextLabel->show();
}

void QReportExportDlg::setReportExportResultSlots(bool bFlag)
{
    showResult(bFlag);
    m_prevBtn->show();
}

void QReportExportDlg::setPrevStepSlots()
{
    m_step2Label->setEnabled(false);
    m_completeLabel->setEnabled(false);
    m_nextBtn->show();
    m_openFolderBtn->hide();
    m_prevBtn->hide();
    m_stacked->setCurrentIndex(0);
}

void QReportExportDlg::setSavePathSelSlots()
{
    const QString path = UiPrompts::instance().pickExistingDirectory(this, QString(), m_pathSel->text());
    if (path.isEmpty()) return;
    if (QFile::encodeName(path).size() > kMaxPathBytes) {
        UiPrompts::instance().notice(this, tr("The file path is too long"));
        return;
    }
    m_pathSel->setText(path);
    ConfigManager::getInstance().setValue(ConfigManager::kGroup, "ReportPath", path);
}

void QReportExportDlg::setOpenFolderSlots()
{
    UiPrompts::instance().openLocalPath(m_reportDir);
}
