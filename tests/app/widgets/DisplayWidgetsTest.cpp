// The picture box, colour scale, recording time, header with a button, and
// the shared style-sheet painting.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>

#include "QCustomHeaderView.h"
#include "QPicCtrlWidget.h"
#include "QRecordTimeWidget.h"
#include "QTemperScaleWidget.h"
#include "QTimerMessageboxExWidget.h"
#include "StyledWidgetPaint.h"

namespace {

const char kDefaultLogo[] = ":/Resource/Skin/report_logo.png";

// A plain widget subclass as the program's own widgets are.
class PlainPanel : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { paintStyledWidget(this); }
};

class TaggingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        return QString("%1|%2").arg(QString::fromLatin1(context), QString::fromUtf8(sourceText));
    }
};

void sendEvent(QWidget* w, QEvent::Type type)
{
    QEvent event(type);
    QCoreApplication::sendEvent(w, &event);
}

QPixmap labelPixmap(QWidget* box)
{
    auto* label = box->findChild<QLabel*>();
    return label ? label->pixmap(Qt::ReturnByValue) : QPixmap();
}

// A width x 1 strip encoded as BMP: cold colour on the left, hot on the right.
QByteArray paletteStrip(QColor cold, QColor hot, int width = 256)
{
    QImage strip(width, 1, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x) strip.setPixel(x, 0, (x < width / 2 ? cold : hot).rgb());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    strip.save(&buffer, "BMP");
    return bytes;
}

}  // namespace

// --- style-sheet painting ---------------------------------------------------

TEST(StyledWidgetPaint, StyleSheetBackgroundReachesPlainSubclasses)
{
    const QColor colour(10, 200, 30);
    std::unique_ptr<QWidget> widgets[] = {std::make_unique<PlainPanel>(), std::make_unique<QTimerMessageboxExWidget>(),
                                          std::make_unique<QPicCtrlWidget>()};
    for (auto& w : widgets) {
        SCOPED_TRACE(w->metaObject()->className());
        w->setStyleSheet(QString("background-color: %1;").arg(colour.name()));
        w->resize(120, 60);
        const QImage image = w->grab().toImage();
        EXPECT_EQ(QColor(image.pixel(1, 1)), colour);
        EXPECT_EQ(QColor(image.pixel(image.width() / 2, image.height() / 2)), colour);
    }
}

// --- QPicCtrlWidget -------------------------------------------------------

TEST(PicCtrlWidget, ShowsTheDefaultLogoFittedAfterTheFirstResize)
{
    const QImage logo(kDefaultLogo);
    ASSERT_FALSE(logo.isNull());
    QPicCtrlWidget box;
    box.resize(204, 204);  // label 200 x 200 inside the 2-pixel margins; resized on show
    box.show();
    const QPixmap shown = labelPixmap(&box);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.width(), 200);
    EXPECT_EQ(shown.height(), 200 * logo.height() / logo.width());

    QTemporaryDir dir;
    QString path = dir.filePath("logo.png");
    box.savePicture(path);
    EXPECT_EQ(path, dir.filePath("logo.png"));
    EXPECT_EQ(QImage(path).size(), logo.size());
}

TEST(PicCtrlWidget, HoverOffersDeleteAndDeletingClearsEverything)
{
    QPicCtrlWidget box;
    box.resize(204, 104);
    box.show();
    auto* del = box.findChild<QPushButton*>("DeleteBtn");
    ASSERT_NE(del, nullptr);
    EXPECT_EQ(del->text(), "Delete");
    EXPECT_EQ(del->size(), QSize(50, 25));
    EXPECT_FALSE(del->isVisible());

    sendEvent(&box, QEvent::Enter);
    ASSERT_TRUE(del->isVisible());
    auto* label = box.findChild<QLabel*>();
    EXPECT_EQ(del->geometry().center().x(), label->geometry().center().x());
    EXPECT_EQ(del->y(), label->y() + 10);
    sendEvent(&box, QEvent::Leave);
    EXPECT_FALSE(del->isVisible());

    sendEvent(&box, QEvent::Enter);
    del->click();
    EXPECT_FALSE(del->isVisible());
    EXPECT_TRUE(labelPixmap(&box).isNull());

    sendEvent(&box, QEvent::Enter);
    EXPECT_FALSE(del->isVisible());
    box.resize(300, 150);
    EXPECT_TRUE(labelPixmap(&box).isNull());

    QString path = "/tmp/should-be-cleared.png";
    box.savePicture(path);
    EXPECT_TRUE(path.isEmpty());
}

TEST(PicCtrlWidget, SetPictureReplacesTheLogoAndSavesItWhole)
{
    QTemporaryDir dir;
    QImage picture(300, 100, QImage::Format_RGB32);
    picture.fill(QColor(200, 20, 20));
    const QString source = dir.filePath("mine.png");
    ASSERT_TRUE(picture.save(source));

    QPicCtrlWidget box;
    box.resize(154, 154);
    box.show();
    sendEvent(&box, QEvent::Enter);
    box.findChild<QPushButton*>("DeleteBtn")->click();

    box.setPicture(source);
    EXPECT_EQ(labelPixmap(&box).size(), QSize(150, 50));
    sendEvent(&box, QEvent::Enter);
    EXPECT_TRUE(box.findChild<QPushButton*>("DeleteBtn")->isVisible());

    QString target = dir.filePath("out.bmp");
    box.savePicture(target);
    const QImage saved(target);
    EXPECT_EQ(saved.size(), picture.size());
    EXPECT_EQ(QColor(saved.pixel(10, 10)), QColor(200, 20, 20));
}

TEST(PicCtrlWidget, DeleteButtonRetranslates)
{
    QPicCtrlWidget box;
    TaggingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(box.findChild<QPushButton*>("DeleteBtn")->text(), "QPicCtrlWidget|Delete");
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(box.findChild<QPushButton*>("DeleteBtn")->text(), "Delete");
}

// --- QTemperScaleWidget ---------------------------------------------------

TEST(TemperScaleWidget, StandsTheStripUprightHotAtTheTop)
{
    QTemperScaleWidget scale;
    scale.resize(40, 100);
    EXPECT_EQ(scale.width(), 16);

    const QByteArray strip = paletteStrip(Qt::blue, Qt::red);
    scale.setPicFromData(reinterpret_cast<const uchar*>(strip.constData()), strip.size());
    const QImage image = scale.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(8, 2)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(8, 97)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(0, 50)), QColor(image.pixel(15, 50)));
}

TEST(TemperScaleWidget, NullEmptyOrUndecodableDataChangesNothing)
{
    const QByteArray strip = paletteStrip(Qt::blue, Qt::red);
    const auto* bytes = reinterpret_cast<const uchar*>(strip.constData());
    const QByteArray junk("not a picture");
    struct Call {
        const char* name;
        const uchar* data;
        int len;
    };
    const Call calls[] = {{"null", nullptr, strip.size()},
                          {"zero length", bytes, 0},
                          {"negative length", bytes, -1},
                          {"junk", reinterpret_cast<const uchar*>(junk.constData()), junk.size()}};

    for (bool loadedFirst : {false, true}) {
        QTemperScaleWidget scale;
        scale.resize(16, 100);
        if (loadedFirst) scale.setPicFromData(bytes, strip.size());
        const QImage before = scale.grab().toImage();
        for (const Call& c : calls) {
            SCOPED_TRACE(std::string(c.name) + (loadedFirst ? " after a picture" : " on a new scale"));
            scale.setPicFromData(c.data, c.len);
            EXPECT_EQ(scale.grab().toImage(), before);
        }
    }
}

// --- QRecordTimeWidget ----------------------------------------------------

TEST(RecordTimeWidget, DrawsWhiteTextWithABlackOutline)
{
    auto count = [](const QImage& image, QRgb rgb) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xffffff) == (rgb & 0xffffff);
        return n;
    };
    QRecordTimeWidget widget;
    widget.resize(60, 22);
    const QImage empty = widget.grab().toImage();
    EXPECT_EQ(count(empty, qRgb(0, 0, 0)), 0);

    widget.setTimeText("00:05");
    const QImage drawn = widget.grab().toImage();
    EXPECT_GT(count(drawn, qRgb(0, 0, 0)), 10);
    EXPECT_GT(count(drawn, qRgb(255, 255, 255)), 10);
}

// --- QCustomHeaderView ----------------------------------------------------

TEST(CustomHeaderView, ButtonFollowsItsSectionOnResize)
{
    struct Case {
        int section;
        int firstWidth;
    };
    for (const Case& c : {Case{0, 72}, Case{0, 180}, Case{2, 72}, Case{2, 180}}) {
        SCOPED_TRACE(testing::Message() << "section " << c.section << ", first column " << c.firstWidth);
        QTableWidget table(2, 3);
        auto* header = new QCustomHeaderView(c.section, Qt::Horizontal, &table);
        table.setHorizontalHeader(header);
        table.resize(500, 200);
        table.show();
        EXPECT_EQ(header->height(), 32);

        header->resizeSection(0, c.firstWidth);
        header->viewport()->grab();
        auto* button = header->findChild<QPushButton*>("delBtnStyle");
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->size(), QSize(32, 32));
        const QRect sectionRect(header->sectionViewportPosition(c.section), 0, header->sectionSize(c.section),
                                header->height());
        EXPECT_TRUE(sectionRect.contains(button->geometry())) << button->x();
        EXPECT_LE(std::abs(button->geometry().center().x() - sectionRect.center().x()), 1);
    }
}

TEST(CustomHeaderView, ButtonClickIsRelayed)
{
    QCustomHeaderView header(0, Qt::Horizontal);
    QSignalSpy spy(&header, &QCustomHeaderView::sendBtnClickedSignal);
    header.findChild<QPushButton*>("delBtnStyle")->click();
    EXPECT_EQ(spy.count(), 1);
}
