#pragma once

#include "updateprompter.h"

class QWidget;

// Shows the messages as message boxes over the given window.
class MessageBoxPrompter : public UpdatePrompter
{
public:
    explicit MessageBoxPrompter(QWidget *parent) : m_parent(parent) {}
    void inform(QMessageBox::Icon icon, const QString &text) override;
    bool askYesNo(const QString &text) override;

private:
    QWidget *m_parent;
};
