#include <QApplication>
#include <cstdio>
#include <tamimgcollection.h>
#include <vistaprog.h>

// Prints the bar's clamped value and the size of a toolbar picture.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    VistaProg bar;
    bar.setMax(10);
    bar.setValue(25);
    const QImage picture = tamImgCollection().GetToolbarPic(8000);
    std::printf("%d %dx%d\n", bar.value(), picture.width(), picture.height());
    return 0;
}
