#ifndef ADDRESSEDIT_H
#define ADDRESSEDIT_H

#include "addressedititem.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyle>
#include <QLabel>
#include <QStringList>
#include <QVector>
#include <QWidget>

// The common part of the IP and MAC address editors: a row of fields with a
// separator label between neighbours, read and written as one text joined by
// the separator. Signals and slots are declared by the concrete editors, so
// this class needs no Q_OBJECT.
class AddressEdit : public QWidget
{
public:
    QString text() const
    {
        QStringList parts;
        for (const AddressEditItem *field : m_fields)
            parts << field->text();
        return parts.join(m_separator);
    }

    bool isReadOnly() const { return m_readOnly; }

    void setReadOnly(bool readOnly)
    {
        m_readOnly = readOnly;
        for (AddressEditItem *field : m_fields)
            field->setReadOnly(readOnly);
    }

    int fieldCount() const { return m_fields.size(); }

    // Field i shows parts[i] as it is (no check, no signal); fields without a part are emptied.
    void setParts(const QStringList &parts)
    {
        for (int i = 0; i < m_fields.size(); ++i)
            m_fields.at(i)->setText(parts.value(i));
    }

protected:
    AddressEdit(QChar separator, const QSize &fieldSize, QWidget *parent)
        : QWidget(parent), m_separator(separator), m_fieldSize(fieldSize), m_layout(new QHBoxLayout(this))
    {
    }

    QHBoxLayout *rowLayout() const { return m_layout; }

    // Appends field to the row; the first field takes the focus given to the editor.
    void addField(AddressEditItem *field)
    {
        // At least as wide as its widest part in the font in use, frame included.
        const int widest = field->fontMetrics().horizontalAdvance(QString(field->maxLength(), QLatin1Char('0')))
                + 2 * field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
        field->setMinimumWidth(qMin(widest, 64));
        field->setMaximumSize(qMax(m_fieldSize.width(), field->minimumWidth()),
                              qMax(m_fieldSize.height(), field->sizeHint().height()));
        if (m_fields.isEmpty()) {
            setFocusProxy(field);
        } else {
            field->linkAfter(m_fields.last());
            m_layout->addWidget(new QLabel(m_separator, this));
        }
        m_layout->addWidget(field);
        m_fields.append(field);
        field->installEventFilter(this);
    }

    // A pasted text longer than a field is a whole address: it fills every
    // field when they would all accept their part, and changes nothing
    // otherwise, rather than leaving its first characters in one field.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste))
            return QWidget::eventFilter(watched, event);
        const QString pasted = QGuiApplication::clipboard()->text().trimmed();
        if (pasted.length() <= static_cast<QLineEdit *>(watched)->maxLength())
            return false;
        if (!m_readOnly)
            assignText(pasted);
        return true;
    }

    // Takes a text of exactly one part per field, each one the field would
    // accept from the keyboard; returns false and changes nothing otherwise.
    bool assignText(const QString &text)
    {
        const QStringList parts = text.split(m_separator);
        if (parts.size() != m_fields.size())
            return false;
        for (int i = 0; i < parts.size(); ++i) {
            if (!m_fields.at(i)->accepts(parts.at(i)))
                return false;
        }
        setParts(parts);
        return true;
    }

    void clearFields()
    {
        for (AddressEditItem *field : m_fields)
            field->clear();
    }

private:
    QVector<AddressEditItem *> m_fields;
    QChar m_separator;
    QSize m_fieldSize;
    QHBoxLayout *m_layout;
    bool m_readOnly = false;
};

#endif // ADDRESSEDIT_H
