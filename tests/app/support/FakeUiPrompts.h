// A recording stand-in for the prompt seam. Constructing it installs it;
// destroying it restores the program's dialogs. Every prompt is recorded;
// question() and password() answer from a script (false once it runs out),
// the pickers from a queue of paths (empty once it runs out). Nothing opens
// a window and nothing blocks.
#pragma once

#include <QDialog>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QVector>

#include <algorithm>

#include "UiPrompts.h"

class FakeUiPrompts : public UiPrompts {
public:
    enum class Kind {
        Notice,
        Question,
        Password,
        WaitStatus,
        Toast,
        PickExistingDirectory,
        PickOpenFile,
        PickSaveFile,
        OpenLocalPath
    };

    // One prompt. title: title or picker caption; text: message, toast
    // text, picker folder or opened path; filter: picker filter.
    struct Call {
        explicit Call(Kind k = Kind::Notice, QWidget* p = nullptr, const QString& ti = {}, const QString& te = {},
                      const QString& f = {})
            : kind(k), parent(p), title(ti), text(te), filter(f)
        {
        }
        Kind kind;
        QWidget* parent;
        QString title;
        QString text;
        QString filter;
        int type = -1;  // toast type
        int msec = -1;  // toast duration
        QLoadingMsgDlg* dialog = nullptr;
        bool shown = false;  // waitStatus
    };

    FakeUiPrompts() { UiPrompts::install(this); }
    ~FakeUiPrompts() override { UiPrompts::install(nullptr); }
    FakeUiPrompts(const FakeUiPrompts&) = delete;
    FakeUiPrompts& operator=(const FakeUiPrompts&) = delete;

    // Script.
    QQueue<bool> answers;   // question() and password(), in call order
    QQueue<QString> picks;  // the three pickers, in call order
    int noticeResult = QDialog::Accepted;
    bool openResult = true;

    // Record.
    QVector<Call> calls;

    int count(Kind kind) const
    {
        return static_cast<int>(
            std::count_if(calls.begin(), calls.end(), [kind](const Call& c) { return c.kind == kind; }));
    }
    // The texts of the calls of one kind, in order.
    QStringList texts(Kind kind) const
    {
        QStringList out;
        for (const Call& c : calls)
            if (c.kind == kind) out << c.text;
        return out;
    }
    // The last call of a kind; a default Call of that kind when there is none.
    Call last(Kind kind) const
    {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->kind == kind) return *it;
        return Call(kind);
    }
    void clear() { calls.clear(); }

    int notice(QWidget* parent, const QString& text) override
    {
        record(Call(Kind::Notice, parent, QString(), text));
        return noticeResult;
    }
    bool question(QWidget* parent, const QString& title, const QString& text) override
    {
        record(Call(Kind::Question, parent, title, text));
        return nextAnswer();
    }
    bool password(QWidget* parent, const QString& title, const QString& text) override
    {
        record(Call(Kind::Password, parent, title, text));
        return nextAnswer();
    }
    void waitStatus(QLoadingMsgDlg* dialog, bool shown) override
    {
        Call c(Kind::WaitStatus);
        c.dialog = dialog;
        c.shown = shown;
        record(c);
    }
    void toast(const QString& text, int type, int msec) override
    {
        Call c(Kind::Toast);
        c.text = text;
        c.type = type;
        c.msec = msec;
        record(c);
    }
    QString pickExistingDirectory(QWidget* parent, const QString& caption, const QString& dir) override
    {
        record(Call(Kind::PickExistingDirectory, parent, caption, dir));
        return nextPick();
    }
    QString pickOpenFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override
    {
        record(Call(Kind::PickOpenFile, parent, caption, dir, filter));
        return nextPick();
    }
    QString pickSaveFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override
    {
        record(Call(Kind::PickSaveFile, parent, caption, dir, filter));
        return nextPick();
    }
    bool openLocalPath(const QString& path) override
    {
        record(Call(Kind::OpenLocalPath, nullptr, QString(), path));
        return openResult;
    }

private:
    void record(const Call& c) { calls.append(c); }
    bool nextAnswer() { return answers.isEmpty() ? false : answers.dequeue(); }
    QString nextPick() { return picks.isEmpty() ? QString() : picks.dequeue(); }
};
