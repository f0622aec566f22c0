#include "QPasswordDlg.h"

#include <QCryptographicHash>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "UiPrompts.h"

namespace {

constexpr int kShadowMargin = 10;
const QColor kFrameColor(0x5f, 0x61, 0x5a);

// SHA-256 (hex) of the access password: only the digest ships, not the text.
const char kAccessDigest[] = "6991133b4b4a33fb32c34aa66dabad2f013e0167c6a06c2af172481d137f2136";

}  // namespace

QPasswordDlg::QPasswordDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(320, 190);

    QHBoxLayout* titleRow = makeTitleRow(this, &m_titleLabel, &m_closeBtn);

    QLabel* divider = makeDividerLabel(this, ":/Resource/Skin/window_Dividinglines_480.png");

    m_passwordEdit = new QLineEdit(this);
    m_passwordEdit->setFixedSize(180, 32);
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setStyleSheet(
        "QLineEdit{color:white;background-color: #292929;border-radius:2px;border:1px solid #5F615A;}");
    auto* editRow = new QHBoxLayout;
    editRow->addStretch();
    editRow->addWidget(m_passwordEdit);
    editRow->addStretch();

    QHBoxLayout* buttonRow = makeOkCancelRow(this, &m_okBtn, &m_cancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kShadowMargin + 10, kShadowMargin + 5, kShadowMargin + 10, kShadowMargin + 15);
    layout->addLayout(titleRow);
    layout->addWidget(divider);
    layout->addStretch();
    layout->addLayout(editRow);
    layout->addStretch();
    layout->addLayout(buttonRow);

    connect(m_closeBtn, &QPushButton::clicked, this, &QPasswordDlg::setWndCloseSlots);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QPasswordDlg::setWndCloseSlots);
    connect(m_okBtn, &QPushButton::clicked, this, &QPasswordDlg::setOkBtnSlots);

    retranslateUi();
    m_passwordEdit->setFocus();
}

void QPasswordDlg::setTitleText(const QString& text)
{
    m_titleLabel->setText(text);
}

void QPasswordDlg::setWndCloseSlots()
{
    reject();
}

void QPasswordDlg::setOkBtnSlots()
{
    if (checkPassword()) accept();
}

void QPasswordDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape must not dismiss the prompt; only Cancel or close do.
    if (event->key() == Qt::Key_Return) setOkBtnSlots();
    event->accept();
}

void QPasswordDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect().adjusted(kShadowMargin, kShadowMargin, -kShadowMargin, -kShadowMargin), kFrameColor);
}

void QPasswordDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

bool QPasswordDlg::checkPassword()
{
    const QByteArray digest =
        QCryptographicHash::hash(m_passwordEdit->text().toUtf8(), QCryptographicHash::Sha256).toHex();
    if (digest == kAccessDigest) return true;
    UiPrompts::instance().notice(this, tr("Password error"));
    return false;
}

void QPasswordDlg::retranslateUi()
{
    m_okBtn->setText(tr("OK"));
    m_cancelBtn->setText(tr("Cancel"));
}
