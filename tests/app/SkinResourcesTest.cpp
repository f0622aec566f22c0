// The embedded skin: every image the program names is there, decodes and has
// its size; the spinner animates; every image the style sheet points at is
// there; the style sheet parses and reaches the widgets it names.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMovie>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSlider>
#include <QStringList>
#include <QStyle>
#include <QTextCodec>

#include <memory>

#include "QVideoWndWidget.h"
#include "VideoSurface.h"
#include <vector>

namespace {

const QString kSkin = QStringLiteral(":/Resource/Skin/");

struct Image {
    const char* name;
    int width;
    int height;
};

// The images the program's code asks for by name.
const Image kNamedImages[] = {
    {"neutral.png", 64, 64},
    {"report_logo.png", 200, 80},
    {"sysIcon_Preview_n.png", 36, 36},
    {"sysIcon_Manage_n.png", 36, 36},
    {"sysIcon_Analyse_n.png", 36, 36},
    {"sysIcon_ImageSettings_n.png", 36, 36},
    {"sysIcon_analysis_n.png", 36, 36},
    {"sysIcon_AdvancedSettings_n.png", 36, 36},
    {"sysIcon_ImageCorrect_n.png", 36, 36},
    {"sysIcon_TempCalibration_n.png", 36, 36},
    {"window_DividingVLines_850.png", 2, 850},
    {"window_Dividinglines_1360.png", 1360, 2},
    {"window_Dividinglines_550.png", 550, 2},
    {"window_Dividinglines_480.png", 480, 2},
    {"common_sucess.png", 24, 24},
    {"common_fail.png", 24, 24},
    {"common_info.png", 24, 24},
    {"Icon-increase_Normal.png", 20, 20},
    {"Icon-increase_Hover.png", 20, 20},
    {"Icon-increase_Select.png", 20, 20},
    {"Icon-increase_Disable.png", 20, 20},
    {"Icon-decrease_Normal.png", 20, 20},
    {"Icon-decrease_Hover.png", 20, 20},
    {"Icon-decrease_Select.png", 20, 20},
    {"Icon-decrease_Disable.png", 20, 20},
    {"Video_REC.png", 12, 12},
    // live page: the idle video area and the tool buttons
    {"ConnectTip.png", 320, 240},
    {"TEMPIcon_FFC_normal.png", 36, 36},
    {"TEMPIcon_FFC_Select.png", 36, 36},
    {"TEMPIcon_Manual_normal.png", 36, 36},
    {"TEMPIcon_Manual_Select.png", 36, 36},
    {"TEMPIcon_Video_normal.png", 36, 36},
    {"TEMPIcon_Video_Select.png", 36, 36},
    {"TEMPIcon_Video_Recording.png", 36, 36},
    {"TEMPIcon_Video_Recording_Select.png", 36, 36},
};

// Images only the style sheet names, at the size of the button they fill.
const Image kSheetImages[] = {
    {"link_off_n.png", 28, 28},    {"link_off_h.png", 28, 28},    {"link_off_d.png", 28, 28},
    {"link_on_n.png", 28, 28},     {"link_on_h.png", 28, 28},     {"link_on_d.png", 28, 28},
    {"standby_off_n.png", 28, 28}, {"standby_off_h.png", 28, 28}, {"standby_off_d.png", 28, 28},
    {"standby_on_n.png", 28, 28},  {"standby_on_h.png", 28, 28},  {"standby_on_d.png", 28, 28},
    {"refresh_n.png", 32, 32},     {"refresh_h.png", 32, 32},     {"refresh_s.png", 32, 32},
    {"refresh_d.png", 32, 32},
};

QString styleSheet()
{
    QFile file(kSkin + "vxt.qss");
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

// Resource paths of the url(...) in the style sheet, comments left out.
QStringList sheetUrls()
{
    QString sheet = styleSheet();
    sheet.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
    QStringList urls;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("url\\(\\s*\"?([^\")]+)\"?\\s*\\)")).globalMatch(sheet);
    while (it.hasNext()) {
        const QString url = it.next().captured(1).trimmed();
        if (!urls.contains(url)) urls << url;
    }
    return urls;
}

// A blank or one-colour square is not an icon.
bool hasDrawing(const QImage& image)
{
    const QRgb first = image.pixel(0, 0);
    bool ink = false, varied = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            ink = ink || qAlpha(p) != 0;
            varied = varied || p != first;
        }
    return ink && varied;
}

bool isLine(const QImage& image)
{
    return image.width() <= 2 || image.height() <= 2;
}

}  // namespace

TEST(SkinResourcesTest, NamedImagesLoadWithTheirSizes)
{
    for (const Image& image : kNamedImages) {
        const QString path = kSkin + image.name;
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(QFile::exists(path));
        const QImage loaded(path);
        ASSERT_FALSE(loaded.isNull());
        EXPECT_EQ(loaded.size(), QSize(image.width, image.height));
        EXPECT_TRUE(loaded.hasAlphaChannel());
        if (isLine(loaded)) {
            // A divider: drawn all along, every pixel visible.
            const QImage argb = loaded.convertToFormat(QImage::Format_ARGB32);
            int faint = 0;
            for (int y = 0; y < argb.height(); ++y)
                for (int x = 0; x < argb.width(); ++x) faint += qAlpha(argb.pixel(x, y)) == 0;
            EXPECT_EQ(faint, 0);
        } else {
            EXPECT_TRUE(hasDrawing(loaded.convertToFormat(QImage::Format_ARGB32)));
        }
    }
}

TEST(SkinResourcesTest, IconsHaveTransparentCorners)
{
    // Icons are drawn on nothing, so they sit on any background.
    for (const Image& image : kNamedImages) {
        const QImage loaded = QImage(kSkin + image.name).convertToFormat(QImage::Format_ARGB32);
        if (isLine(loaded)) continue;
        SCOPED_TRACE(image.name);
        EXPECT_EQ(qAlpha(loaded.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(loaded.pixel(loaded.width() - 1, loaded.height() - 1)), 0);
    }
}

TEST(SkinResourcesTest, SheetImagesLoadWithTheirSizes)
{
    const QStringList urls = sheetUrls();
    for (const Image& image : kSheetImages) {
        const QString path = kSkin + image.name;
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(urls.contains(path));
        const QImage loaded = QImage(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(loaded.isNull());
        EXPECT_EQ(loaded.size(), QSize(image.width, image.height));
        EXPECT_TRUE(hasDrawing(loaded));
        EXPECT_EQ(qAlpha(loaded.pixel(0, 0)), 0);
    }
}

TEST(SkinResourcesTest, ToolButtonIconsShowTheirState)
{
    const auto icon = [](const char* name) { return QImage(kSkin + name).convertToFormat(QImage::Format_ARGB32); };
    // Under the mouse each tool icon changes colour, not shape.
    for (const char* tool : {"FFC", "Manual", "Video"}) {
        SCOPED_TRACE(tool);
        const QImage normal = icon(qPrintable(QStringLiteral("TEMPIcon_%1_normal.png").arg(tool)));
        const QImage select = icon(qPrintable(QStringLiteral("TEMPIcon_%1_Select.png").arg(tool)));
        EXPECT_NE(normal, select);
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x)
                ASSERT_EQ(qAlpha(normal.pixel(x, y)), qAlpha(select.pixel(x, y))) << x << "," << y;
    }
    // Record: a white dot, red under the mouse; while recording a red stop square.
    EXPECT_EQ(icon("TEMPIcon_Video_normal.png").pixel(18, 18), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(icon("TEMPIcon_Video_Select.png").pixel(18, 18), qRgb(0xE0, 0x40, 0x40));
    EXPECT_EQ(icon("TEMPIcon_Video_Recording.png").pixel(18, 18), qRgb(0xE0, 0x40, 0x40));
    EXPECT_NE(icon("TEMPIcon_Video_Recording.png"), icon("TEMPIcon_Video_Select.png"));
    EXPECT_NE(icon("TEMPIcon_Video_Recording.png"), icon("TEMPIcon_Video_Recording_Select.png"));
}

TEST(SkinResourcesTest, ConnectAndStandbyImagesShowTheirState)
{
    const auto icon = [](const char* name) { return QImage(kSkin + name).convertToFormat(QImage::Format_ARGB32); };
    const auto countOf = [](const QImage& image, QRgb colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
        return n;
    };
    const QRgb accent = qRgb(0xA2, 0xB3, 0x45);
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    // Not connected and awake: white lines; connected and asleep: the accent.
    EXPECT_GT(countOf(icon("link_off_n.png"), white), 20);
    EXPECT_EQ(countOf(icon("link_off_n.png"), accent), 0);
    EXPECT_GT(countOf(icon("link_on_n.png"), accent), 20);
    EXPECT_GT(countOf(icon("standby_off_n.png"), white), 20);
    EXPECT_GT(countOf(icon("standby_on_n.png"), accent), 60);
    // The awake moon is an outline, the sleeping one is filled.
    EXPECT_EQ(qAlpha(icon("standby_off_n.png").pixel(8, 18)), 0);
    EXPECT_EQ(icon("standby_on_n.png").pixel(8, 18), accent);
    // The link is broken in the middle while not connected, whole while connected.
    EXPECT_EQ(qAlpha(icon("link_off_n.png").pixel(13, 14)), 0);
    EXPECT_EQ(qAlpha(icon("link_on_n.png").pixel(13, 14)), 255);
}

TEST(SkinResourcesTest, SpinnerIsALoopingAnimation)
{
    QMovie movie(kSkin + "loading.gif");
    ASSERT_TRUE(movie.isValid());
    EXPECT_EQ(movie.format(), QByteArray("gif"));
    EXPECT_GE(movie.frameCount(), 2);
    EXPECT_EQ(movie.frameCount(), 12);
    EXPECT_EQ(movie.loopCount(), -1);  // for ever

    QImageReader reader(kSkin + "loading.gif");
    EXPECT_TRUE(reader.supportsAnimation());
    EXPECT_EQ(reader.size(), QSize(48, 48));
    std::vector<QImage> frames;
    QImage frame;
    while (reader.read(&frame)) {
        EXPECT_EQ(frame.size(), QSize(48, 48));
        EXPECT_GE(reader.nextImageDelay(), 60);
        EXPECT_LE(reader.nextImageDelay(), 100);
        frames.push_back(frame.convertToFormat(QImage::Format_ARGB32));
    }
    ASSERT_EQ(frames.size(), 12u);
    for (size_t i = 0; i < frames.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(hasDrawing(frames[i]));
        EXPECT_EQ(qAlpha(frames[i].pixel(0, 0)), 0);  // see-through corners
        EXPECT_NE(frames[i], frames[(i + 1) % frames.size()]);
    }

    // Playing it steps through the frames.
    ASSERT_TRUE(movie.jumpToFrame(0));
    const QImage first = movie.currentImage();
    ASSERT_TRUE(movie.jumpToNextFrame());
    EXPECT_EQ(movie.currentFrameNumber(), 1);
    EXPECT_NE(movie.currentImage(), first);
}

TEST(SkinResourcesTest, StyleSheetIsUtf8)
{
    QFile file(kSkin + "vxt.qss");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_FALSE(bytes.isEmpty());
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    EXPECT_EQ(state.invalidChars, 0);
}

TEST(SkinResourcesTest, EveryStyleSheetImageLoads)
{
    const QStringList urls = sheetUrls();
    EXPECT_GE(urls.size(), 20);
    for (const QString& url : urls) {
        SCOPED_TRACE(url.toStdString());
        EXPECT_TRUE(url.startsWith(kSkin));
        ASSERT_TRUE(QFile::exists(url));
        const QImage image(url);
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(hasDrawing(image.convertToFormat(QImage::Format_ARGB32)));
    }
}

TEST(SkinResourcesTest, StyleSheetNamesTheProgramsWidgets)
{
    QString sheet = styleSheet();
    sheet.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
    const char* selectors[] = {
        "QWidget#MainWindow",
        "#CtrlModule",
        "#QCtrlModuleWidget",
        "#TitleWidget",
        "#QTitleWidget",
        "QLabel#neutral",
        "QPushButton#checkLangEnBtn",
        "QPushButton#checkLangChBtn",
        "#InfoBtn",
        "#MinBtn",
        "#ResizeBtn[max=\"false\"]",
        "#ResizeBtn[max=\"true\"]",
        "#CloseBtn",
        "QLabel#Label_FF_85",
        "QLabel#Label_F5_16",
        "QPushButton#BtnStyle1",
        "#BtnStyle2",
        "QLineEdit#LineEditStyle2",
        "QPushButton#addBtnStyle",
        "#minusBtnStyle",
        "QSlider#SliderStyle1",
        "QLineEdit#SelLineEdit",
        "QPushButton#SelButton",
        "QPushButton#delBtnStyle",
        "QPushButton#DeleteBtn",
        "QWidget#TimerMessageboxWidget",
        "QDialog#AboutDlg",
        "QDialog",
        "QToolTip",
        "QScrollBar",
        "QComboBox",
        "QCheckBox",
        "QRadioButton",
        "QTableWidget",
        "QHeaderView",
        "QMenu",
        "QMenu::item:selected",
        // live page
        "QWidget#ModuleWidget",
        "QWidget#VideoCtrlWidget",
        "QLabel#Line1Label",
        "QWidget#functionWidget",
        "QVideoWndWidget",
        "VideoSurface#VideoWndLabel",
        "QIconTextVBtn",
        "QWidget#ModuleWidget QCheckBox",
        "QWidget#ModuleWidget QCheckBox::indicator:checked",
        "QWidget#ModuleWidget QLineEdit",
        "QSlider#SliderStyle1::groove:vertical",
        "QSlider#SliderStyle1::handle:vertical",
        "QSlider#SliderStyle1::sub-page:vertical",
        "QSlider#SliderStyle1::add-page:vertical",
        "QPushButton#DisConnectBtn",
        "QPushButton#ConnectBtn",
        "QPushButton#DisStandByBtn",
        "QPushButton#StandByBtn",
        "QPushButton#DisConnectBtn:hover",
        "QPushButton#ConnectBtn:hover",
        "QPushButton#DisStandByBtn:hover",
        "QPushButton#StandByBtn:hover",
        "QPushButton#DisConnectBtn:disabled",
        "QPushButton#ConnectBtn:disabled",
        "QPushButton#DisStandByBtn:disabled",
        "QPushButton#StandByBtn:disabled",
        // connection dialog and device information
        "QDialog#QLoginSetting",
        "QListWidget#DeviceListWidget",
        "QListWidget#DeviceListWidget::item:selected",
        "QListWidget#DeviceListWidget::item:hover",
        "QPushButton#SearchBtn",
        "QPushButton#SearchBtn:hover",
        "QPushButton#SearchBtn:pressed",
        "QRadioButton#RadioBtnStyle1",
        "QLabel#Label_FF_85_14",
        // histogram window
        "QVideoHistogram",
    };
    for (const char* selector : selectors) EXPECT_TRUE(sheet.contains(QLatin1String(selector))) << selector;
    EXPECT_TRUE(sheet.contains(QLatin1String("url(:/Resource/Skin/neutral.png)")));
}

namespace {

QStringList sheetWarnings;

void collectSheetWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) sheetWarnings << message;
}

// Applies the program's style sheet for one test and takes it off after.
class SkinSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheetWarnings.clear();
        previous_ = qInstallMessageHandler(collectSheetWarnings);
        qApp->setStyleSheet(styleSheet());
    }
    void TearDown() override
    {
        qApp->setStyleSheet(QString());
        qInstallMessageHandler(previous_);
    }

    template <class W>
    W* make(const char* name, QWidget* parent)
    {
        auto* w = new W(parent);
        w->setObjectName(QLatin1String(name));
        return w;
    }

private:
    QtMessageHandler previous_ = nullptr;
};

}  // namespace

TEST_F(SkinSheetTest, ParsesAndStylesTheNamedWidgets)
{
    QWidget window;
    window.setObjectName("MainWindow");
    auto* logo = make<QLabel>("neutral", &window);
    auto* text = make<QLabel>("Label_FF_85", &window);
    auto* title = make<QLabel>("Label_F5_16", &window);
    auto* close = make<QPushButton>("CloseBtn", &window);
    auto* resize = make<QPushButton>("ResizeBtn", &window);
    resize->setProperty("max", true);
    auto* bin = make<QPushButton>("delBtnStyle", &window);
    auto* up = make<QPushButton>("addBtnStyle", &window);
    auto* primary = make<QPushButton>("BtnStyle1", &window);
    auto* field = make<QLineEdit>("LineEditStyle2", &window);
    auto* slider = make<QSlider>("SliderStyle1", &window);
    auto* check = new QCheckBox(&window);
    for (QWidget* w : window.findChildren<QWidget*>()) w->ensurePolished();
    window.ensurePolished();

    EXPECT_TRUE(sheetWarnings.isEmpty()) << sheetWarnings.join('\n').toStdString();

    EXPECT_EQ(logo->minimumSize(), QSize(22, 22));
    EXPECT_EQ(logo->maximumSize(), QSize(22, 22));
    EXPECT_EQ(close->minimumSize(), QSize(20, 20));
    EXPECT_EQ(close->maximumSize(), QSize(20, 20));
    EXPECT_EQ(resize->maximumSize(), QSize(20, 20));
    EXPECT_EQ(bin->maximumSize(), QSize(32, 32));
    EXPECT_EQ(up->maximumSize(), QSize(20, 14));

    EXPECT_EQ(text->font().pixelSize(), 14);
    const QColor textColour = text->palette().color(QPalette::WindowText);
    EXPECT_EQ(textColour.rgb(), qRgb(255, 255, 255));
    EXPECT_NEAR(textColour.alphaF(), 0.85, 0.01);
    EXPECT_EQ(title->font().pixelSize(), 16);
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor("#292929"));
    EXPECT_EQ(primary->palette().color(QPalette::Button), QColor("#A2B345"));
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor("#1E1E1E"));

    // Painting runs every rule that reaches them without complaint.
    window.resize(400, 300);
    for (QWidget* w : {static_cast<QWidget*>(logo), static_cast<QWidget*>(close), static_cast<QWidget*>(resize),
                       static_cast<QWidget*>(bin), static_cast<QWidget*>(up), static_cast<QWidget*>(primary),
                       static_cast<QWidget*>(field), static_cast<QWidget*>(slider), static_cast<QWidget*>(check)})
        w->adjustSize();
    EXPECT_FALSE(window.grab().isNull());
    EXPECT_TRUE(sheetWarnings.isEmpty()) << sheetWarnings.join('\n').toStdString();
}

namespace {

QImage grabbed(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

int pixelsOf(const QImage& image, int y, QRgb colour)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

}  // namespace

TEST_F(SkinSheetTest, StylesTheLivePage)
{
    QWidget page;
    auto* column = make<QWidget>("ModuleWidget", &page);
    auto* palettes = make<QWidget>("VideoCtrlWidget", column);
    auto* line = make<QLabel>("Line1Label", column);
    auto* side = make<QWidget>("functionWidget", &page);
    auto* video = new QVideoWndWidget(&page);
    QWidget* view = video->getVideoWnd();
    auto* connect = make<QPushButton>("DisConnectBtn", column);
    auto* standby = make<QPushButton>("DisStandByBtn", column);
    auto* freeze = new QCheckBox(QStringLiteral("Freeze"), column);
    auto* zoomField = new QLineEdit(column);
    auto* zoom = make<QSlider>("SliderStyle1", column);
    zoom->setOrientation(Qt::Vertical);
    zoom->setRange(0, 16);
    zoom->setValue(4);
    for (QWidget* w : page.findChildren<QWidget*>()) w->ensurePolished();

    EXPECT_TRUE(sheetWarnings.isEmpty()) << sheetWarnings.join('\n').toStdString();
    EXPECT_EQ(column->palette().color(QPalette::Window), QColor("#1E1E1E"));
    EXPECT_EQ(palettes->palette().color(QPalette::Window), QColor("#1E1E1E"));
    EXPECT_EQ(line->palette().color(QPalette::Window), QColor("#5F615A"));
    EXPECT_EQ(side->palette().color(QPalette::Window), QColor("#232323"));
    EXPECT_EQ(video->palette().color(QPalette::Window), QColor("#1E1E1E"));
    EXPECT_EQ(view->palette().color(QPalette::Window), QColor("#1E1E1E"));
    EXPECT_EQ(freeze->font().pixelSize(), 10);
    EXPECT_EQ(zoomField->palette().color(QPalette::Base), QColor("#292929"));
    for (QPushButton* b : {connect, standby}) {
        EXPECT_EQ(b->minimumSize(), QSize(28, 28));
        EXPECT_EQ(b->maximumSize(), QSize(28, 28));
    }

    // The buttons change state by object name and a new polish, and show
    // the image of the new name.
    const QRgb accent = qRgb(0xA2, 0xB3, 0x45);
    connect->resize(28, 28);
    standby->resize(28, 28);
    const QImage disconnected = grabbed(connect);
    EXPECT_EQ(disconnected, QImage(kSkin + "link_off_n.png").convertToFormat(QImage::Format_ARGB32));
    connect->setObjectName("ConnectBtn");
    connect->style()->unpolish(connect);
    connect->style()->polish(connect);
    const QImage connected = grabbed(connect);
    EXPECT_NE(connected, disconnected);
    EXPECT_EQ(connected.pixel(13, 14), accent);
    EXPECT_EQ(connect->maximumSize(), QSize(28, 28));

    const QImage awake = grabbed(standby);
    standby->setObjectName("StandByBtn");
    standby->style()->unpolish(standby);
    standby->style()->polish(standby);
    const QImage asleep = grabbed(standby);
    EXPECT_NE(asleep, awake);
    EXPECT_EQ(asleep, QImage(kSkin + "standby_on_n.png").convertToFormat(QImage::Format_ARGB32));

    // Disabled, they grey out.
    connect->setEnabled(false);
    EXPECT_EQ(grabbed(connect), QImage(kSkin + "link_on_d.png").convertToFormat(QImage::Format_ARGB32));

    // The vertical zoom slider fills from the bottom up to its handle.
    zoom->resize(20, 200);
    const QImage slider = grabbed(zoom);
    EXPECT_GT(pixelsOf(slider, 190, accent), 0);
    EXPECT_EQ(pixelsOf(slider, 10, accent), 0);
    EXPECT_GT(pixelsOf(slider, 10, qRgb(0x5F, 0x61, 0x5A)), 0);

    page.resize(600, 400);
    EXPECT_FALSE(page.grab().isNull());
    EXPECT_TRUE(sheetWarnings.isEmpty()) << sheetWarnings.join('\n').toStdString();
}

TEST_F(SkinSheetTest, StylesTheConnectionDialog)
{
    QDialog dialog;
    dialog.setObjectName("QLoginSetting");
    auto* list = make<QListWidget>("DeviceListWidget", &dialog);
    list->addItems({QStringLiteral("Thermal-Com3"), QStringLiteral("Camera-Com4"), QStringLiteral("Camera-Com5")});
    list->setCurrentRow(0);
    list->setGeometry(0, 0, 300, 128);
    auto* search = make<QPushButton>("SearchBtn", &dialog);
    auto* radio = make<QRadioButton>("RadioBtnStyle1", &dialog);
    auto* label = make<QLabel>("Label_FF_85_14", &dialog);
    for (QWidget* w : dialog.findChildren<QWidget*>()) w->ensurePolished();
    dialog.ensurePolished();

    EXPECT_TRUE(sheetWarnings.isEmpty()) << sheetWarnings.join('\n').toStdString();
    EXPECT_EQ(search->minimumSize(), QSize(32, 32));
    EXPECT_EQ(search->maximumSize(), QSize(32, 32));
    EXPECT_EQ(radio->font().pixelSize(), 14);
    EXPECT_EQ(label->font().pixelSize(), 14);
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor("#1E1E1E"));

    search->resize(32, 32);
    EXPECT_EQ(grabbed(search), QImage(kSkin + "refresh_n.png").convertToFormat(QImage::Format_ARGB32));

    // The chosen row is the accent; the others are dark with light text.
    const QImage shot = grabbed(list);
    const QRect chosen = list->visualItemRect(list->item(0)).translated(list->viewport()->pos());
    const QRect other = list->visualItemRect(list->item(1)).translated(list->viewport()->pos());
    ASSERT_FALSE(chosen.isEmpty());
    ASSERT_FALSE(other.isEmpty());
    EXPECT_EQ(shot.pixel(other.right() - 4, other.center().y()), qRgb(0x1E, 0x1E, 0x1E));
    EXPECT_EQ(shot.pixel(chosen.right() - 4, chosen.center().y()), qRgb(0xA2, 0xB3, 0x45));
    int light = 0;
    for (int y = other.top(); y <= other.bottom(); ++y)
        for (int x = other.left(); x <= other.right(); ++x) light += qGray(shot.pixel(x, y)) > 150;
    EXPECT_GT(light, 10);
    EXPECT_TRUE(sheetWarnings.isEmpty()) << sheetWarnings.join('\n').toStdString();
}

TEST(SkinResourcesTest, LanguageButtonShowsTheOtherLanguage)
{
    // Named after the language in use; the icon is the one a click picks.
    const QString sheet = styleSheet();
    const QRegularExpression en(QStringLiteral("QPushButton#checkLangEnBtn\\s*\\{[^}]*title_lang_ch_n\\.png"));
    const QRegularExpression ch(QStringLiteral("QPushButton#checkLangChBtn\\s*\\{[^}]*title_lang_en_n\\.png"));
    EXPECT_TRUE(en.match(sheet).hasMatch());
    EXPECT_TRUE(ch.match(sheet).hasMatch());
}
