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
#include <QMovie>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSlider>
#include <QStringList>
#include <QTextCodec>

#include <memory>
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
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("url\\(\\s*\"?([^\")]+)\"?\\s*\\)")).globalMatch(sheet);
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
        "QWidget#MainWindow", "#CtrlModule", "#QCtrlModuleWidget", "#TitleWidget", "#QTitleWidget",
        "QLabel#neutral", "QPushButton#checkLangEnBtn", "QPushButton#checkLangChBtn", "#InfoBtn", "#MinBtn",
        "#ResizeBtn[max=\"false\"]", "#ResizeBtn[max=\"true\"]", "#CloseBtn", "QLabel#Label_FF_85",
        "QLabel#Label_F5_16", "QPushButton#BtnStyle1", "#BtnStyle2", "QLineEdit#LineEditStyle2",
        "QPushButton#addBtnStyle", "#minusBtnStyle", "QSlider#SliderStyle1", "QLineEdit#SelLineEdit",
        "QPushButton#SelButton", "QPushButton#delBtnStyle", "QPushButton#DeleteBtn",
        "QWidget#TimerMessageboxWidget", "QDialog#AboutDlg", "QDialog", "QToolTip", "QScrollBar",
        "QComboBox", "QCheckBox", "QRadioButton", "QTableWidget", "QHeaderView",
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
class AppliedSheetTest : public ::testing::Test {
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

TEST_F(AppliedSheetTest, ParsesAndStylesTheNamedWidgets)
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

TEST(SkinResourcesTest, LanguageButtonShowsTheOtherLanguage)
{
    // Named after the language in use; the icon is the one a click picks.
    const QString sheet = styleSheet();
    const QRegularExpression en(QStringLiteral("QPushButton#checkLangEnBtn\\s*\\{[^}]*title_lang_ch_n\\.png"));
    const QRegularExpression ch(QStringLiteral("QPushButton#checkLangChBtn\\s*\\{[^}]*title_lang_en_n\\.png"));
    EXPECT_TRUE(en.match(sheet).hasMatch());
    EXPECT_TRUE(ch.match(sheet).hasMatch());
}
