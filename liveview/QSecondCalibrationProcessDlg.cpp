#include "QSecondCalibrationProcessDlg.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogParts.h"

namespace {

// The face is drawn inside a transparent margin, as on the wait dialog.
constexpr int kMargin = 20;
const char* const kFaceColour = "#5f615a";

}  // namespace

QSecondCalibrationProcessDlg::QSecondCalibrationProcessDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("QSecondCalibrationProcessDlg"));
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setFixedSize(490, 230);

    QLabel* divider = makeDividerLabel(this, QStringLiteral(":/Resource/Skin/window_Dividinglines_480.png"));

    movie_ = new QMovie(QStringLiteral(":/Resource/Skin/loading.gif"), QByteArray(), this);
    auto* movieLabel = new QLabel(this);
    movieLabel->setAlignment(Qt::AlignCenter);
    movieLabel->setMovie(movie_);

    textLabel_ = new QLabel(this);
    textLabel_->setAlignment(Qt::AlignCenter);

    stopBtn_ = new QPushButton(this);
    stopBtn_->setObjectName(QStringLiteral("BtnStyle2"));
    stopBtn_->setFixedSize(64, 32);
    // The button keeps clear of the face's corner.
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, 10, 10);
    buttonRow->addStretch(1);
    buttonRow->addWidget(stopBtn_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(12);
    layout->addWidget(divider);
    layout->addWidget(movieLabel, 1);
    layout->addWidget(textLabel_);
    layout->addLayout(buttonRow);

    retranslate();
    connect(stopBtn_, &QPushButton::clicked, this, &QSecondCalibrationProcessDlg::setStopProcessSlot);
}

QSecondCalibrationProcessDlg::~QSecondCalibrationProcessDlg() = default;

void QSecondCalibrationProcessDlg::setShowStatus(bool bShow)
{
    if (bShow) {
        movie_->start();
        show();
    } else {
        movie_->stop();
        close();
    }
}

void QSecondCalibrationProcessDlg::setStopProcessSlot()
{
    emit sendStopProcessSignal();
}

void QSecondCalibrationProcessDlg::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin), QColor(kFaceColour));
    QDialog::paintEvent(event);
}

void QSecondCalibrationProcessDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void QSecondCalibrationProcessDlg::retranslate()
{
    textLabel_->setText(tr("Please Wait"));
    stopBtn_->setText(tr("Stop"));
}
