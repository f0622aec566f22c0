#include "QLoadingMsgDlg.h"

#include <QEvent>
#include <QLabel>
#include <QMovie>
#include <QPixmap>
#include <QVBoxLayout>

#include "DialogParts.h"

QLoadingMsgDlg::QLoadingMsgDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    // Window-modal and shown, not exec()'d: the caller's event loop goes on.
    setWindowModality(Qt::WindowModal);
    setFixedSize(490, 230);

    QLabel* divider = makeDividerLabel(this, ":/Resource/Skin/window_Dividinglines_480.png");

    m_movie = new QMovie(":/Resource/Skin/loading.gif", QByteArray(), this);
    auto* movieLabel = new QLabel(this);
    movieLabel->setAlignment(Qt::AlignCenter);
    movieLabel->setMovie(m_movie);

    m_textLabel = new QLabel(tr("Please Wait"), this);
    m_textLabel->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(divider);
    layout->addWidget(movieLabel, 1);
    layout->addWidget(m_textLabel);
}

void QLoadingMsgDlg::setShowStatus(bool shown)
{
    if (shown) {
        m_movie->start();
        show();
    } else {
        m_movie->stop();
        close();
    }
}

void QLoadingMsgDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) m_textLabel->setText(tr("Please Wait"));
    QDialog::changeEvent(event);
}
