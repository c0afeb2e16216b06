#pragma once

#include <QMessageBox>
#include <QString>

// The update window's messages to the user, titled with the program's name.
class UpdatePrompter
{
public:
    virtual ~UpdatePrompter() = default;
    virtual void inform(QMessageBox::Icon icon, const QString &text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString &text) = 0;
};
