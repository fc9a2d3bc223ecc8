#ifndef DLGSETTING_H
#define DLGSETTING_H

#include <QDialog>

#include <memory>

class QTranslator;

namespace Ui {
class DlgSetting;
}

// Chooses the interface language; the choice applies at once and is stored for the next start.
class DlgSetting : public QDialog
{
    Q_OBJECT

public:
    enum Language { SimplifiedChinese = 0, EnglishAmerican = 1 };

    explicit DlgSetting(QWidget *parent = nullptr);
    ~DlgSetting() override;

    // The translator shared by the whole program, and the language to preselect.
    void setTranslator(QTranslator *translator, int language);
    int language() const { return m_language; }

    // The catalogue of a language index; unknown indexes mean Simplified Chinese.
    static QString catalogue(int language);
    static const char *const LanguageKey;

public slots:
    void slotOk();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::DlgSetting> ui;
    QTranslator *m_translator = nullptr;
    int m_language = 0;
};

#endif // DLGSETTING_H
