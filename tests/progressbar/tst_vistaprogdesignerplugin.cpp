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
    void formKeepsValueAboveDefaultMax();

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

// Qt Designer saves a widget's changed properties in the order they are
// declared, and a loaded form applies them in that order. A form holding a
// Value that only fits the form's own bounds must not clamp it against the
// defaults first.
void TestVistaProgDesignerPlugin::formKeepsValueAboveDefaultMax()
{
    const QHash<QString, int> saved{{"Max", 1000}, {"Min", 300}, {"Value", 700}};
    const QMetaObject &meta = VistaProg::staticMetaObject;
    QString properties;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QString name = QString::fromLatin1(meta.property(i).name());
        properties += QStringLiteral("<property name=\"%1\"><number>%2</number></property>")
                          .arg(name)
                          .arg(saved.value(name));
    }
    QByteArray form = QStringLiteral("<ui version=\"4.0\"><class>Form</class>"
                                     "<widget class=\"QWidget\" name=\"Form\">"
                                     "<widget class=\"VistaProg\" name=\"bar\">%1</widget>"
                                     "</widget></ui>")
                          .arg(properties)
                          .toUtf8();
    QBuffer buffer(&form);
    QVERIFY(buffer.open(QIODevice::ReadOnly));

    QFormBuilder builder;
    builder.setPluginPath({QFileInfo(QStringLiteral(METERLIN_DESIGNER_PLUGIN)).absolutePath()});
    const std::unique_ptr<QWidget> loaded(builder.load(&buffer));
    QVERIFY2(loaded, qPrintable(builder.errorString()));
    const auto *bar = loaded->findChild<VistaProg *>(QStringLiteral("bar"));
    QVERIFY(bar);
    QCOMPARE(bar->max(), 1000);
    QCOMPARE(bar->min(), 300);
    QCOMPARE(bar->value(), 700);
}

QTEST_MAIN(TestVistaProgDesignerPlugin)
#include "tst_vistaprogdesignerplugin.moc"
