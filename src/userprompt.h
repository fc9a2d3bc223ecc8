#ifndef USERPROMPT_H
#define USERPROMPT_H

#include <QString>

class QWidget;

// The questions and file choices the main window puts to the user. Tests
// answer them through a replacement instead of modal dialogs.
class UserPrompt
{
public:
    virtual ~UserPrompt() = default;
    // An Ok/Cancel question; true for Ok.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text);
    virtual void inform(QWidget *parent, const QString &title, const QString &text);
    virtual void warn(QWidget *parent, const QString &title, const QString &text);
    // A file name, or an empty string when the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &filter);
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &filter);
};

#endif // USERPROMPT_H
