#include "QAboutDlg.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "AppHelpers.h"
#include "UiPrompts.h"

namespace {

QLabel* divider(QWidget* parent, const char* name)
{
    QLabel* line = makeDividerLabel(parent, ":/Resource/Skin/window_Dividinglines_550.png");
    line->setObjectName(name);
    return line;
}

QLabel* caption(QWidget* parent, const QString& text = QString())
{
    auto* label = new QLabel(text, parent);
    label->setObjectName("Label_FF_85");
    return label;
}

}  // namespace

QAboutDlg::QAboutDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName("QAboutDlg");
    setFixedSize(480, 240);

    auto* verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName("verticalLayout");
    verticalLayout->setContentsMargins(0, 0, 0, 16);
    verticalLayout->setSpacing(0);

    auto* titleWidget = new QWidget(this);
    titleWidget->setObjectName("titleWidget");
    titleWidget->setFixedHeight(50);
    auto* titleRow = new QHBoxLayout(titleWidget);
    titleRow->setObjectName("horizontalLayout");
    titleRow->setContentsMargins(20, 0, 16, 0);
    titleLabel_ = new QLabel(titleWidget);
    titleLabel_->setObjectName("Label_F5_16");
    auto* closeBtn = new QPushButton(titleWidget);
    closeBtn->setObjectName("CloseBtn");
    closeBtn->setFixedSize(20, 20);
    titleRow->addWidget(titleLabel_);
    titleRow->addStretch(1);
    titleRow->addWidget(closeBtn);
    verticalLayout->addWidget(titleWidget);
    verticalLayout->addWidget(divider(this, "divideLine_1"));

    auto* body = new QVBoxLayout();
    body->setObjectName("verticalLayout_2");
    body->setContentsMargins(40, 16, 40, 16);
    auto* form = new QFormLayout();
    form->setObjectName("formLayout");
    form->setHorizontalSpacing(24);
    form->setVerticalSpacing(10);
    nameLabel_ = caption(this);
    nameValLabel_ = caption(this, QStringLiteral("Calidra"));
    versionLabel_ = caption(this);
    versionValLabel_ = caption(this, QStringLiteral("V" CALIDRA_VERSION));
    copyrightLabel_ = caption(this);
    copyrightValLabel_ = caption(this);
    openSourceInfoLabel_ = caption(this);
    openSourceValLabel_ = caption(this);
    form->addRow(nameLabel_, nameValLabel_);
    form->addRow(versionLabel_, versionValLabel_);
    form->addRow(copyrightLabel_, copyrightValLabel_);
    form->addRow(openSourceInfoLabel_, openSourceValLabel_);
    body->addLayout(form);
    body->addStretch(1);
    verticalLayout->addLayout(body, 1);
    verticalLayout->addWidget(divider(this, "divideLine_2"));

    auto* bottom = new QHBoxLayout();
    bottom->setObjectName("horizontalLayout_3");
    bottom->setContentsMargins(0, 12, 20, 0);
    closePushButton_ = new QPushButton(this);
    closePushButton_->setObjectName("BtnStyle2");
    closePushButton_->setFixedSize(64, 32);
    bottom->addStretch(1);
    bottom->addWidget(closePushButton_);
    verticalLayout->addLayout(bottom);

    connect(closeBtn, &QPushButton::clicked, this, &QAboutDlg::setWndCloseSlots);
    connect(closePushButton_, &QPushButton::clicked, this, &QAboutDlg::setWndCloseSlots);
    connect(openSourceValLabel_, &QLabel::linkActivated, this, &QAboutDlg::setOpenSourceLicenseLinkSlots);
    retranslate();
    setObjectName("AboutDlg");
}

void QAboutDlg::retranslate()
{
    titleLabel_->setText(tr("VersionInfo"));
    nameLabel_->setText(tr("Name"));
    versionLabel_->setText(tr("Version"));
    copyrightLabel_->setText(tr("CopyRight"));
    openSourceInfoLabel_->setText(tr("openSourceInfo"));
    openSourceValLabel_->setText(tr("Open Source License"));
    closePushButton_->setText(tr("Close"));
}

void QAboutDlg::setWndCloseSlots()
{
    close();
}

void QAboutDlg::setOpenSourceLicenseLinkSlots(QString qStrPath)
{
    if (!UiPrompts::instance().openLocalPath(qStrPath)) ShowMessageBox(this, tr("Path open failed"), true);
}

void QAboutDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}
