#include "messageboxprompter.h"

namespace {
const QString Title = QStringLiteral("Kavrel");
}

void MessageBoxPrompter::inform(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, Title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool MessageBoxPrompter::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}
