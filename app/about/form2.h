#pragma once

#include <QWidget>
#include <array>

class QLabel;

// The about window: the program's name, version and date, its purpose in
// the current language, and who stands behind it. White text on black, no
// controls; the close box is the only way out.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void createLabels();
    void retranslateUi();

    std::array<QLabel *, 9> m_labels{};
};
