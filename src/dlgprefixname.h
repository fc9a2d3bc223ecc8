#ifndef DLGPREFIXNAME_H
#define DLGPREFIXNAME_H

#include <QDialog>
#include <QString>

#include <memory>

class UserPrompt;

namespace Ui {
class DlgPrefixName;
}

// Asks for a non-empty prefix.
class DlgPrefixName : public QDialog
{
    Q_OBJECT

public:
    explicit DlgPrefixName(QWidget *parent = nullptr);
    ~DlgPrefixName() override;

    // Takes ownership; tests answer the refusal through it.
    void setUserPrompt(UserPrompt *prompt);

    // The prefix without surrounding blanks, set when OK was accepted.
    QString prefixName() const { return m_prefix; }

public slots:
    void slotOk();

private:
    std::unique_ptr<Ui::DlgPrefixName> ui;
    std::unique_ptr<UserPrompt> m_prompt;
    QString m_prefix;
};

#endif // DLGPREFIXNAME_H
