#include "vistaprog.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPluginLoader>
#include <QtDesigner/QFormBuilder>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

class TestVistaProgDesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void offersTheBarInItsOwnGroup();
    void toolboxPictureIsAHalfFilledBar();
    void formRoundTripKeepsValueAboveDefaultMax();

private:
    QDesignerCustomWidgetInterface *loadPlugin();

    QPluginLoader m_loader{QStringLiteral(METERLIN_DESIGNER_PLUGIN)};
};

QDesignerCustomWidgetInterface *TestVistaProgDesignerPlugin::loadPlugin()
{
    if (!m_loader.load())
        qWarning() << m_loader.errorString();
    return qobject_cast<QDesignerCustomWidgetInterface *>(m_loader.instance());
}

void TestVistaProgDesignerPlugin::offersTheBarInItsOwnGroup()
{
    QCOMPARE(m_loader.metaData().value("IID").toString(),
             QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetInterface"));
    QDesignerCustomWidgetInterface *plugin = loadPlugin();
    QVERIFY(plugin);
    QCOMPARE(plugin->name(), QStringLiteral("VistaProg"));
    QCOMPARE(plugin->group(), QStringLiteral("Meterlin"));
    QCOMPARE(plugin->includeFile(), QStringLiteral("vistaprog.h"));
    QVERIFY(!plugin->isContainer());

    QWidget parent;
    QWidget *widget = plugin->createWidget(&parent);
    auto *bar = qobject_cast<VistaProg *>(widget);
    QVERIFY(bar);
    QCOMPARE(bar->parentWidget(), &parent);
    QCOMPARE(bar->property("Value").toInt(), 50);
}

void TestVistaProgDesignerPlugin::toolboxPictureIsAHalfFilledBar()
{
    QDesignerCustomWidgetInterface *plugin = loadPlugin();
    QVERIFY(plugin);
    const QImage picture = plugin->icon().pixmap(QSize(16, 15)).toImage();
    QCOMPARE(picture.size(), QSize(16, 15));

    const auto middle = [&picture](int x) {
        return picture.pixel(x, 7) & 0xFFFFFF;
    };
    QCOMPARE(middle(0), 0x9E9E9Eu);
    QCOMPARE(middle(1), 0x00D228u);
    QCOMPARE(middle(7), 0x00D228u);
    QCOMPARE(middle(8), 0xCACACAu);
    QCOMPARE(middle(14), 0xD1D1D1u);
    QCOMPARE(middle(15), 0x9E9E9Eu);
}

// A form stores Value together with bounds it may only satisfy once those
// bounds are in place; loading must not clamp it against the defaults first.
void TestVistaProgDesignerPlugin::formRoundTripKeepsValueAboveDefaultMax()
{
    QWidget form;
    form.setObjectName(QStringLiteral("form"));
    auto *bar = new VistaProg(&form);
    bar->setObjectName(QStringLiteral("bar"));
    bar->setMax(1000);
    bar->setMin(300);
    bar->setValue(700);

    QFormBuilder builder;
    builder.setPluginPath({QFileInfo(QStringLiteral(METERLIN_DESIGNER_PLUGIN)).absolutePath()});
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::ReadWrite));
    builder.save(&buffer, &form);
    buffer.seek(0);

    const std::unique_ptr<QWidget> loaded(builder.load(&buffer));
    QVERIFY2(loaded, qPrintable(builder.errorString()));
    const auto *restored = loaded->findChild<VistaProg *>(QStringLiteral("bar"));
    QVERIFY(restored);
    QCOMPARE(restored->max(), 1000);
    QCOMPARE(restored->min(), 300);
    QCOMPARE(restored->value(), 700);
}

QTEST_MAIN(TestVistaProgDesignerPlugin)
#include "tst_vistaprogdesignerplugin.moc"
