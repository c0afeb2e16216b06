#include "tamimgcollection.h"
#include "toolbarpicturesource.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>
#include <QTest>
#include <stdexcept>

class TestGlyphbinPlugin : public QObject
{
    Q_OBJECT

private slots:
    void metadataNamesTheCollection_data();
    void metadataNamesTheCollection();
    void loadedCollectionHandsOutPictures();
    void loadedCollectionRejectsUnknownNumbers();
    void foundByItsNameInItsFolder();
};

void TestGlyphbinPlugin::metadataNamesTheCollection_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("collection") << "Collection"
                                << "tamCoolbarPictures";
    QTest::newRow("class") << "Class"
                           << "tamImgCollection";
    QTest::newRow("version") << "Version"
                             << "1.0.2";
}

void TestGlyphbinPlugin::metadataNamesTheCollection()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QPluginLoader loader(QStringLiteral(GLYPHBIN_LIBRARY_FILE));
    const QJsonObject metaData = loader.metaData();
    QCOMPARE(metaData.value("IID").toString(), QStringLiteral(ToolbarPictureSource_iid));
    QCOMPARE(metaData.value("MetaData").toObject().value(key).toString(), value);
}

void TestGlyphbinPlugin::loadedCollectionHandsOutPictures()
{
    QPluginLoader loader(QStringLiteral(GLYPHBIN_LIBRARY_FILE));
    auto *source = qobject_cast<ToolbarPictureSource *>(loader.instance());
    QVERIFY2(source, qPrintable(loader.errorString()));

    const QList<qint32> ids = source->pictureIds();
    QCOMPARE(ids.size(), 403);
    QCOMPARE(ids.first(), 8000);
    QCOMPARE(ids.last(), 9539);
    QVERIFY(std::is_sorted(ids.cbegin(), ids.cend()));
    for (qint32 id : {8000, 8367, 9500, 9539})
        QCOMPARE(source->toolbarPicture(id), tamImgCollection().GetToolbarPic(id));
}

void TestGlyphbinPlugin::loadedCollectionRejectsUnknownNumbers()
{
    QPluginLoader loader(QStringLiteral(GLYPHBIN_LIBRARY_FILE));
    auto *source = qobject_cast<ToolbarPictureSource *>(loader.instance());
    QVERIFY2(source, qPrintable(loader.errorString()));
    // A toolbar without this library's headers only knows std::runtime_error.
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, source->toolbarPicture(8012));
}

void TestGlyphbinPlugin::foundByItsNameInItsFolder()
{
    // How a toolbar looks for the collection: by name, beside the program.
    const QString folder = QFileInfo(QStringLiteral(GLYPHBIN_LIBRARY_FILE)).absolutePath();
    QPluginLoader loader(QDir(folder).filePath(QStringLiteral("Glyphbin")));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    QCOMPARE(loader.metaData().value("MetaData").toObject().value("Collection").toString(),
             QStringLiteral("tamCoolbarPictures"));
}

QTEST_GUILESS_MAIN(TestGlyphbinPlugin)
#include "tst_glyphbinplugin.moc"
