#include "form2.h"

#include "aboutsettings.h"
#include "blankbreaklabel.h"
#include "kavrelversion.h"
#include "shell/programicon.h"
#include "shell/screentwips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {

struct LabelDesign
{
    int left;
    int top;
    int height;
    double pointSize;
    bool bold;
};

constexpr int LabelWidth = 5355;
constexpr std::size_t PurposeLabel = 3;

constexpr std::array<LabelDesign, 9> Labels = {{
    {75, 120, 855, 13.5, true},
    {75, 960, 255, 8.25, true},
    {75, 1200, 375, 8.25, true},
    {75, 1560, 855, 9.75, true},
    {82, 2760, 255, 8.25, true},
    {82, 3120, 255, 8.25, false},
    {67, 3720, 255, 8.25, true},
    {67, 3960, 255, 8.25, true},
    {67, 4200, 255, 8.25, true},
}};

// The main window carries a style sheet, and a style sheet anywhere above a
// widget replaces the palette and font it was given with the style's own (a
// rule aimed at the main window's label of the same name would even shrink
// the title). A label's own style sheet outranks every inherited one.
QString labelStyleSheet(const LabelDesign &design)
{
    return QStringLiteral("color: white; background: transparent; font: %1 %2pt \"MS Sans Serif\";")
        .arg(design.bold ? QStringLiteral("bold") : QStringLiteral("normal"))
        .arg(design.pointSize);
}

} // namespace

Form2::Form2(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Info"));
    setWindowIcon(programIcon());
    setFixedSize(TwipsToPixelsX(5505), TwipsToPixelsY(4590));

    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    createLabels();
    retranslateUi();

    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Form2::createLabels()
{
    for (size_t i = 0; i < Labels.size(); ++i) {
        const LabelDesign &design = Labels[i];
        // The purpose text wraps at its blanks only, so that "k-tree" and its
        // translations stay whole.
        auto *label = i == PurposeLabel ? new BlankBreakLabel(this) : new QLabel(this);
        label->setObjectName(QStringLiteral("tamLabel%1").arg(i + 1));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(design.pointSize);
        font.setBold(design.bold);
        label->setFont(font);
        label->setStyleSheet(labelStyleSheet(design));
        label->setGeometry(TwipsToPixelsX(design.left), TwipsToPixelsY(design.top),
                           TwipsToPixelsX(LabelWidth), TwipsToPixelsY(design.height));
        m_labels[i] = label;
    }
    m_labels[0]->setText(QStringLiteral("Kavrel"));
    m_labels[1]->setText(QStringLiteral("Version " KAVREL_VERSION_STRING));
    m_labels[2]->setText(QStringLiteral("(26.11.2007)"));
    m_labels[5]->setText(QStringLiteral(KAVREL_ABOUT_FIRST_EMAIL) + QString(25, u' ') +
                         QStringLiteral(KAVREL_ABOUT_SECOND_EMAIL));
    m_labels[6]->setText(QStringLiteral(KAVREL_ABOUT_INSTITUTION));
    m_labels[7]->setText(QStringLiteral(KAVREL_ABOUT_DEPARTMENT));
    m_labels[8]->setText(QStringLiteral(KAVREL_ABOUT_ADDRESS));
}

void Form2::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QWidget::changeEvent(event);
}

void Form2::retranslateUi()
{
    m_labels[PurposeLabel]->setText(
        tr("Ein Programm zur Berechnung von Einschlussflächen für die k-Baum Probefläche"));
    // The blanks around the joining word differ by language.
    m_labels[4]->setText(
        tr("%1      und      %2")
            .arg(QStringLiteral(KAVREL_ABOUT_FIRST_AUTHOR), QStringLiteral(KAVREL_ABOUT_SECOND_AUTHOR)));
}
