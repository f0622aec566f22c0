// The message box, the wait dialog and the password prompt. Nothing here
// calls exec(): dialogs are shown, driven through their buttons and keys, and
// the prompt's own error box is answered by the recording fake.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <memory>

#include "FakeUiPrompts.h"
#include "QLoadingMsgDlg.h"
#include "QMessageboxDlg.h"
#include "QPasswordDlg.h"

namespace {

const char kAccessPassword[] = "qz_lumenor";

// Translates every text to "context|source" so a test sees which context
// and source text a widget asked for.
class TaggingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        return QString("%1|%2").arg(QString::fromLatin1(context), QString::fromUtf8(sourceText));
    }
};

// Installs a TaggingTranslator for its lifetime and delivers the language
// change to the widgets.
class ScopedTranslation {
public:
    ScopedTranslation()
    {
        QCoreApplication::installTranslator(&m_translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    ~ScopedTranslation()
    {
        QCoreApplication::removeTranslator(&m_translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

private:
    TaggingTranslator m_translator;
};

QPushButton* button(QWidget* dialog, const char* name)
{
    auto* b = dialog->findChild<QPushButton*>(name);
    EXPECT_NE(b, nullptr) << name;
    return b;
}

bool hasLabelWithText(QWidget* w, const QString& text)
{
    const auto labels = w->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == text; });
}

}  // namespace

// --- QMessageboxDlg -------------------------------------------------------

TEST(MessageboxDlg, BuildsTheFramelessBoxWithItsTexts)
{
    QMessageboxDlg dlg;
    EXPECT_EQ(dlg.size(), QSize(500, 252));
    EXPECT_TRUE(dlg.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(dlg.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(button(&dlg, "BtnStyle1")->text(), "OK");
    EXPECT_EQ(button(&dlg, "BtnStyle2")->text(), "Cancel");
    EXPECT_EQ(button(&dlg, "BtnStyle1")->size(), QSize(64, 32));
    ASSERT_NE(button(&dlg, "CloseBtn"), nullptr);

    dlg.setTitleText("Title");
    dlg.setMessageText("Something happened");
    EXPECT_TRUE(hasLabelWithText(&dlg, "Title"));
    EXPECT_TRUE(hasLabelWithText(&dlg, "Something happened"));
}

TEST(MessageboxDlg, IconAndCancelHideShowsOkOnlyWhenTrue)
{
    struct Case {
        bool hide;
        bool iconShown;
        bool cancelShown;
    };
    for (const Case& c : {Case{true, false, false}, Case{false, true, true}}) {
        SCOPED_TRACE(c.hide);
        QMessageboxDlg dlg;
        dlg.setIconAndCancelHide(c.hide);
        auto* icon = dlg.findChild<QLabel*>("InfoIconLabel");
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->isVisibleTo(&dlg), c.iconShown);
        EXPECT_EQ(button(&dlg, "BtnStyle2")->isVisibleTo(&dlg), c.cancelShown);
        EXPECT_TRUE(button(&dlg, "BtnStyle1")->isVisibleTo(&dlg));
    }
}

TEST(MessageboxDlg, IconShowTogglesTheIconOnly)
{
    QMessageboxDlg dlg;
    auto* icon = dlg.findChild<QLabel*>("InfoIconLabel");
    ASSERT_NE(icon, nullptr);
    dlg.setIconShow(false);
    EXPECT_FALSE(icon->isVisibleTo(&dlg));
    EXPECT_TRUE(button(&dlg, "BtnStyle2")->isVisibleTo(&dlg));
    dlg.setIconShow(true);
    EXPECT_TRUE(icon->isVisibleTo(&dlg));
}

TEST(MessageboxDlg, OkAcceptsCancelAndCloseReject)
{
    struct Case {
        const char* button;
        int result;
    };
    for (const Case& c : {Case{"BtnStyle1", QDialog::Accepted}, Case{"BtnStyle2", QDialog::Rejected},
                          Case{"CloseBtn", QDialog::Rejected}}) {
        SCOPED_TRACE(c.button);
        QMessageboxDlg dlg;
        dlg.show();
        dlg.setResult(-1);
        button(&dlg, c.button)->click();
        EXPECT_EQ(dlg.result(), c.result);
        EXPECT_FALSE(dlg.isVisible());
    }
}

// --- QLoadingMsgDlg -------------------------------------------------------

TEST(LoadingMsgDlg, ShowsWindowModalWithoutBlockingAndCloses)
{
    QWidget owner;
    owner.show();
    auto* dlg = new QLoadingMsgDlg(&owner);
    EXPECT_EQ(dlg->size(), QSize(490, 230));
    EXPECT_TRUE(hasLabelWithText(dlg, "Please Wait"));

    dlg->setShowStatus(true);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->windowModality(), Qt::WindowModal);
    dlg->setShowStatus(false);
    EXPECT_FALSE(dlg->isVisible());
}

TEST(LoadingMsgDlg, RetranslatesWhileVisible)
{
    QWidget owner;
    owner.show();
    auto* dlg = new QLoadingMsgDlg(&owner);
    dlg->setShowStatus(true);
    {
        ScopedTranslation translation;
        EXPECT_TRUE(hasLabelWithText(dlg, "QLoadingMsgDlg|Please Wait"));
    }
    EXPECT_TRUE(hasLabelWithText(dlg, "Please Wait"));
    dlg->setShowStatus(false);
}

TEST(Dialogs, ButtonsRetranslateOnLanguageChange)
{
    QMessageboxDlg box;
    QPasswordDlg prompt;
    ScopedTranslation translation;
    EXPECT_EQ(button(&box, "BtnStyle1")->text(), "QMessageboxDlg|OK");
    EXPECT_EQ(button(&box, "BtnStyle2")->text(), "QMessageboxDlg|Cancel");
    EXPECT_EQ(button(&prompt, "BtnStyle1")->text(), "QPasswordDlg|OK");
    EXPECT_EQ(button(&prompt, "BtnStyle2")->text(), "QPasswordDlg|Cancel");
}

// --- QPasswordDlg ---------------------------------------------------------

class PasswordDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dlg = std::make_unique<QPasswordDlg>();
        dlg->show();
        dlg->setResult(-1);
        edit = dlg->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
    }

    FakeUiPrompts prompts;
    std::unique_ptr<QPasswordDlg> dlg;
    QLineEdit* edit = nullptr;
};

TEST_F(PasswordDlgTest, FieldIsAFocusedPasswordEdit)
{
    EXPECT_EQ(dlg->size(), QSize(320, 190));
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit->size(), QSize(180, 32));
    EXPECT_EQ(dlg->focusWidget(), edit);
}

TEST_F(PasswordDlgTest, OkAcceptsOnlyTheExactPassword)
{
    struct Case {
        QString typed;
        bool accepted;
    };
    const QString pw = kAccessPassword;
    const Case cases[] = {
        {pw, true},
        {pw.toUpper(), false},
        {QString(pw).replace(0, 1, pw.left(1).toUpper()), false},
        {QString(), false},
        {pw + " ", false},
        {" " + pw, false},
        {pw.chopped(1), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        prompts.clear();
        dlg->show();
        dlg->setResult(-1);
        edit->setText(c.typed);
        button(dlg.get(), "BtnStyle1")->click();
        if (c.accepted) {
            EXPECT_EQ(dlg->result(), QDialog::Accepted);
            EXPECT_FALSE(dlg->isVisible());
            EXPECT_EQ(prompts.count(FakeUiPrompts::Kind::Notice), 0);
        } else {
            EXPECT_EQ(dlg->result(), -1);
            EXPECT_TRUE(dlg->isVisible());
            EXPECT_EQ(edit->text(), c.typed);
            EXPECT_EQ(prompts.texts(FakeUiPrompts::Kind::Notice), QStringList{"Password error"});
            EXPECT_EQ(prompts.last(FakeUiPrompts::Kind::Notice).parent, dlg.get());
        }
    }
}

TEST_F(PasswordDlgTest, ReturnRunsTheCheckOtherKeysDoNothing)
{
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString typed;
        int result;
        int notices;
    };
    const Case cases[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier, kAccessPassword, QDialog::Accepted, 0},
        {"Return, wrong password", Qt::Key_Return, Qt::NoModifier, "wrong", -1, 1},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, kAccessPassword, -1, 0},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, kAccessPassword, -1, 0},
        {"Escape, empty field", Qt::Key_Escape, Qt::NoModifier, QString(), -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        dlg->show();
        dlg->setResult(-1);
        edit->setText(c.typed);
        QTest::keyClick(edit, c.key, c.modifiers);
        EXPECT_EQ(dlg->result(), c.result);
        EXPECT_EQ(dlg->isVisible(), c.result != QDialog::Accepted);
        EXPECT_EQ(prompts.count(FakeUiPrompts::Kind::Notice), c.notices);
    }
}

TEST_F(PasswordDlgTest, CancelAndCloseReject)
{
    for (const char* name : {"BtnStyle2", "CloseBtn"}) {
        SCOPED_TRACE(name);
        dlg->show();
        dlg->setResult(-1);
        edit->setText(kAccessPassword);
        button(dlg.get(), name)->click();
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
        EXPECT_FALSE(dlg->isVisible());
    }
    EXPECT_EQ(prompts.count(FakeUiPrompts::Kind::Notice), 0);
}

TEST(PasswordDlg, TitleSetterFillsTheTitle)
{
    QPasswordDlg dlg;
    dlg.setTitleText("Password");
    EXPECT_TRUE(hasLabelWithText(&dlg, "Password"));
}
