#include "QSettingCtrl.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVBoxLayout>

#include "DeviceSdkWrapper.h"
#include "QFocusWidget.h"
#include "QIconTextRBtn.h"
#include "QSettingsDlg.h"
#include "QUpdate.h"
#include "SettingRelays.h"
#include "camsdk.h"

namespace {

// Page ids by section, top to bottom.
constexpr int kPageIds[] = {QSettingCtrl::SettingsPageId, QSettingCtrl::UpdatePageId, QSettingCtrl::FocusPageId};

}  // namespace

QSettingCtrl::QSettingCtrl(QWidget* parent) : QWidget(parent)
{
    setupForm();
    // The application style sheet styles the panel by this name.
    setObjectName(QStringLiteral("HotImageCtrl"));
    initSections();
    initConnect();
}

void QSettingCtrl::setupForm()
{
    if (objectName().isEmpty()) setObjectName(QStringLiteral("QSettingCtrl"));
    resize(536, 418);
    auto* outer = new QVBoxLayout(this);
    outer->setSpacing(1);
    outer->setContentsMargins(0, 0, 0, 0);
    sectionsLayout_ = new QVBoxLayout();
    sectionsLayout_->setObjectName(QStringLiteral("verticalLayout_1"));
    sectionsLayout_->setSpacing(1);
    auto* settingsPlaceholder = new QWidget(this);
    settingsPlaceholder->setObjectName(QStringLiteral("SettingsWidget"));
    sectionsLayout_->addWidget(settingsPlaceholder);
    auto* updatePlaceholder = new QWidget(this);
    updatePlaceholder->setObjectName(QStringLiteral("UpdateWidget"));
    // The last placeholder takes the column's spare height, so the sections
    // stay packed at the top.
    sectionsLayout_->addWidget(updatePlaceholder, 1);
    outer->addLayout(sectionsLayout_);
}

void QSettingCtrl::initSections()
{
    settings_ = new QSettingsDlg(this);
    update_ = new QUpdate(this);
    focus_ = new QFocusWidget(this);
    QWidget* pages[] = {settings_, update_, focus_};
    int position = 0;
    for (QWidget* page : pages) {
        QIconTextRBtn* header = FoldSections::makeHeader(this);
        page->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
        sectionsLayout_->insertWidget(position++, header, 0, Qt::AlignTop);
        sectionsLayout_->insertWidget(position++, page, 0, Qt::AlignTop);
        // The settings page starts open, with the closed arrows on every header.
        page->setVisible(page == settings_);
        folds_.add(header, page);
    }
    folds_.header(FocusSection)->hide();
    currentPageId_ = SettingsPageId;
    retranslateTexts();
}

void QSettingCtrl::initConnect()
{
    using C = QSettingCtrl;
    connect(folds_.header(SettingsSection), &QIconTextRBtn::clicked, this, &C::setSettingDlgShowSlots);
    connect(folds_.header(UpdateSection), &QIconTextRBtn::clicked, this, &C::setUpdateDlgShowSlots);
    connect(folds_.header(FocusSection), &QIconTextRBtn::clicked, this, &C::setFocusWidgetShowSlot);

    // Notices up and the USB update rows down, through the slots.
    connect(update_, &QUpdate::sendTitleStatusChangeSignals, this, &C::setTitleStatusChangeSlots);
    connect(settings_, &QSettingsDlg::ReconnectDeviceSignals, this, &C::ReconnectDeviceSlots);
    connect(settings_, &QSettingsDlg::RestoreDeviceSignals, this, &C::RestoreDeviceSlots);
    connect(this, &C::sendUSBUpdateShowSignals, settings_, &QSettingsDlg::setOutputSwitchShowSlot);
    connect(this, &C::sendUSBUpdateShowSignals, update_, &QUpdate::setUSBUpdateShowSlots);

#define CALIDRA_RELAY_UP(page, Page, name) connect(page, &Page::name, this, &C::name);
#define CALIDRA_RELAY_SETTINGS_UP(name) CALIDRA_RELAY_UP(settings_, QSettingsDlg, name)
#define CALIDRA_RELAY_FOCUS_UP(name) CALIDRA_RELAY_UP(focus_, QFocusWidget, name)
    CALIDRA_SETTINGS_PAGE_REQUESTS(CALIDRA_RELAY_SETTINGS_UP)
    CALIDRA_FOCUS_PAGE_REQUESTS(CALIDRA_RELAY_FOCUS_UP)
#undef CALIDRA_RELAY_FOCUS_UP
#undef CALIDRA_RELAY_SETTINGS_UP
#undef CALIDRA_RELAY_UP

#define CALIDRA_RELAY_DOWN(page, Page, name, slot) connect(this, &C::name, page, &Page::slot);
#define CALIDRA_RELAY_SETTINGS_DOWN(name, slot) CALIDRA_RELAY_DOWN(settings_, QSettingsDlg, name, slot)
#define CALIDRA_RELAY_FOCUS_DOWN(name, slot) CALIDRA_RELAY_DOWN(focus_, QFocusWidget, name, slot)
    CALIDRA_SETTINGS_PAGE_ANSWERS(CALIDRA_RELAY_SETTINGS_DOWN)
    CALIDRA_FOCUS_PAGE_ANSWERS(CALIDRA_RELAY_FOCUS_DOWN)
#undef CALIDRA_RELAY_FOCUS_DOWN
#undef CALIDRA_RELAY_SETTINGS_DOWN
#undef CALIDRA_RELAY_DOWN
}

void QSettingCtrl::retranslateTexts()
{
    setWindowTitle(QCoreApplication::translate("QSettingCtrl", "QSettingCtrl"));
    folds_.header(SettingsSection)->setText(tr("Settings"));
    folds_.header(UpdateSection)->setText(tr("VersionUpdate"));
    folds_.header(FocusSection)->setText(tr("Focus"));
}

void QSettingCtrl::setSettingDlgShowSlots()
{
    toggleSection(SettingsSection);
}

void QSettingCtrl::setUpdateDlgShowSlots()
{
    toggleSection(UpdateSection);
}

void QSettingCtrl::setFocusWidgetShowSlot()
{
    toggleSection(FocusSection);
}

void QSettingCtrl::toggleSection(Section section)
{
    currentPageId_ = kPageIds[section];
    if (folds_.toggle(section)) refreshPage(currentPageId_);
}

void QSettingCtrl::refreshPage(int pageId)
{
    if (pageId == SettingsPageId)
        settings_->refreshDeviceSupport();
    else if (pageId == FocusPageId)
        focus_->requestFocusMode();
}

void QSettingCtrl::updateFocusBtnVisible()
{
    if (DeviceSdkWrapper::getInstance().Connect()) {
        folds_.header(FocusSection)->setVisible(USBSDK_GetRefrigerationDeviceType() != 0);
    } else {
        if (currentPageId_ == FocusPageId) setSettingDlgShowSlots();
        folds_.header(FocusSection)->hide();
    }
    refreshPage(currentPageId_);
}

bool QSettingCtrl::isUpdating() const
{
    return update_->isUpdating();
}

void QSettingCtrl::setTitleStatusChangeSlots()
{
    emit sendTitleStatusChangeSignals();
}

void QSettingCtrl::ReconnectDeviceSlots()
{
    emit ReconnectDeviceSignals();
}

void QSettingCtrl::RestoreDeviceSlots()
{
    emit RestoreDeviceSignals();
}

void QSettingCtrl::setUSBUpdateShowSlots(bool bShow)
{
    emit sendUSBUpdateShowSignals(bShow);
}

void QSettingCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslateTexts();
    QWidget::changeEvent(event);
}
