#ifndef DLGABOUT_H
#define DLGABOUT_H

#include <QDialog>

#include <memory>

namespace Ui {
class DlgAbout;
}

// The program's version and release notes.
class DlgAbout : public QDialog
{
    Q_OBJECT

public:
    static const char *const Version;

    explicit DlgAbout(QWidget *parent = nullptr);
    ~DlgAbout() override;

public slots:
    void slotOk();

private:
    std::unique_ptr<Ui::DlgAbout> ui;
};

#endif // DLGABOUT_H
