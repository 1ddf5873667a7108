#include "report/template/elements/image_model.h"
#include "report/template/dom_helpers.h"

#include <QStringList>

#include "template/xml_test_support.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

using namespace Qt::StringLiterals;

// The smallest GIF header: signature and logical screen descriptor.
const QByteArray kGif("GIF89a\x01\x00\x01\x00\x00\x00\x00", 13);

using test::childNames;

// Reads an Image record given as XML; `detail` is what failed, empty when it loaded.
struct ReadImage {
    pugi::xml_document document;
    ImageModel image;
    QString detail;
    bool ok = false;

    explicit ReadImage(const QByteArray& fields) {
        const QByteArray xml = "<Image><Left>0</Left><Top>0</Top><Width>1000</Width><Height>1000</Height>" + fields +
                               "</Image>";
        EXPECT_TRUE(document.load_string(xml.constData())) << xml.constData();
        RecordReader reader(document.first_child());
        image.read(reader, {});
        ok = reader.ok();
        detail = reader.detail();
        if (!ok) {
            EXPECT_EQ(reader.status().error(), kTemplateLoadError);
        }
    }
};

TEST(ImageModel, NewElementsAndRecordsWithoutTheOptionalTagsHaveTheirDefaults) {
    const ImageModel fresh = ImageModel::newElement();
    EXPECT_EQ(fresh.DataField, QString());
    EXPECT_EQ(fresh.DataSourceID, 0);
    EXPECT_FALSE(fresh.AutoSize);
    EXPECT_EQ(fresh.PicStm, nullptr);

    const ReadImage read("<AutoSize>True</AutoSize>");
    ASSERT_TRUE(read.ok) << read.detail.toStdString();
    EXPECT_EQ(read.image.DataField, QString());
    EXPECT_EQ(read.image.DataSourceID, 0);
    EXPECT_TRUE(read.image.AutoSize);
    EXPECT_EQ(read.image.PicStm, nullptr);
}

TEST(ImageModel, WritesItsFieldsInRecordOrderAndRoundTripsThePicture) {
    ImageModel image = ImageModel::newElement();
    image.geometry = {100, 200, 1000, 800};
    image.DataField = u"CurveImage"_s;
    image.DataSourceID = 2;
    image.AutoSize = true;
    ASSERT_TRUE(image.setPicStm(makeStream(kGif)));

    pugi::xml_document document;
    RecordWriter writer(document.append_child("Image"));
    image.write(writer);
    EXPECT_EQ(childNames(writer.record()),
              u"Left Top Width Height DataField DataSourceID AutoSize PicStm"_s.split(u' '));
    EXPECT_STREQ(writer.record().child("PicStm").attribute("dt:dt").value(), "bin.base64");

    RecordReader reader(writer.record());
    ImageModel back;
    back.read(reader, {});
    ASSERT_TRUE(reader.ok()) << reader.detail().toStdString();
    EXPECT_EQ(back.geometry, image.geometry);
    EXPECT_EQ(back.DataField, u"CurveImage"_s);
    EXPECT_EQ(back.DataSourceID, 2);
    EXPECT_TRUE(back.AutoSize);
    ASSERT_NE(back.PicStm, nullptr);
    EXPECT_NE(back.PicStm, image.PicStm);  // the reader gives the element a stream of its own
    EXPECT_EQ(back.PicStm->bytes(), kGif);
}

TEST(ImageModel, RecordsThatCannotBeShownFailToLoad) {
    struct Row {
        const char* name;
        QByteArray fields;
        bool loads;
    };
    const Row rows[] = {
        {"AutoSize is required", "<DataField>Curve</DataField>", false},
        {"AutoSize must be a flag", "<AutoSize>maybe</AutoSize>", false},
        {"a picture loads", "<AutoSize>False</AutoSize><PicStm>" + kGif.toBase64() + "</PicStm>", true},
        {"an empty PicStm is no picture", "<AutoSize>False</AutoSize><PicStm/>", true},
        // Base64 of "hello": decodable bytes, but no picture file.
        {"bytes that are not a picture", "<AutoSize>False</AutoSize><PicStm>aGVsbG8=</PicStm>", false},
        {"a PicStm that is not base64", "<AutoSize>False</AutoSize><PicStm>***</PicStm>", false},
    };
    for (const Row& row : rows) {
        const ReadImage read(row.fields);
        EXPECT_EQ(read.ok, row.loads) << row.name << ": " << read.detail.toStdString();
    }
}

TEST(ImageModel, SettingPicStmKeepsTheStreamOrRefusesNonPictures) {
    ImageModel image = ImageModel::newElement();
    const StreamPtr picture = makeStream(kGif);
    ASSERT_TRUE(image.setPicStm(picture));
    EXPECT_EQ(image.PicStm, picture);  // the same stream object, not a copy

    EXPECT_FALSE(image.setPicStm(makeStream("plain text, no picture")));
    EXPECT_EQ(image.PicStm, picture);  // a refused stream leaves the picture shown

    ASSERT_TRUE(image.setPicStm(makeStream()));  // an empty stream clears like nothing does
    EXPECT_EQ(image.PicStm->size(), 0);
}

TEST(ImageModel, ClearingThePictureKeepsTheElement) {
    ImageModel image = ImageModel::newElement();
    image.geometry = {0, 0, 1000, 1000};
    ASSERT_TRUE(image.setPicStm(makeStream(kGif)));
    ASSERT_TRUE(image.setPicStm(nullptr));
    EXPECT_EQ(image.PicStm, nullptr);
    EXPECT_FALSE(image.deleted);

    pugi::xml_document document;
    RecordWriter writer(document.append_child("Image"));
    image.write(writer);
    const pugi::xml_node stored = writer.record().child("PicStm");
    ASSERT_TRUE(stored);  // still written, empty: no picture
    EXPECT_STREQ(stored.child_value(), "");
}

TEST(ImageModel, TheCaptionNamesTheFieldOrACurve) {
    struct Row {
        const char* name;
        QString dataField;
        bool picture;
        QString caption;
    };
    const Row rows[] = {
        {"a bound image shows its field", u"XBTP"_s, false, u"XBTP"_s},
        {"an unbound image shows 曲线图", QString(), false, u"曲线图"_s},
        // The caption tells what the element stands for, whatever picture it holds.
        {"a fixed picture still shows 曲线图", QString(), true, u"曲线图"_s},
        {"a blank field is not empty", u" "_s, false, u" "_s},
    };
    for (const Row& row : rows) {
        ImageModel image = ImageModel::newElement();
        image.DataField = row.dataField;
        if (row.picture) {
            ASSERT_TRUE(image.setPicStm(makeStream(kGif)));
        }
        EXPECT_EQ(image.caption(), row.caption) << row.name;
    }
}

TEST(ImageModel, ResizingRaisesSidesOf90OrLess) {
    struct Row {
        const char* name;
        double width, height, keptWidth, keptHeight;
    };
    const Row rows[] = {
        {"large enough", 1000, 1000, 1000, 1000},
        {"a thin strip is raised in its short direction only", 40, 2000, 90, 2000},
        {"zero is raised", 0, 0, 90, 90},
        {"91 stays", 91, 91, 91, 91},
    };
    for (const Row& row : rows) {
        ImageModel image = ImageModel::newElement();
        image.geometry = {0, 0, row.width, row.height};
        image.resized();
        EXPECT_EQ(image.geometry.width, row.keptWidth) << row.name;
        EXPECT_EQ(image.geometry.height, row.keptHeight) << row.name;
    }
}

TEST(ImageModel, ThePictureStretchesOrShowsAtItsOwnSizeClipped) {
    ImageModel image = ImageModel::newElement();
    image.geometry = {500, 500, 1000, 600};
    EXPECT_EQ(image.pictureRect({400, 300}), QRectF(0, 0, 400, 300));
    EXPECT_EQ(image.pictureRect({3000, 300}), QRectF(0, 0, 1000, 300));  // clipped by the element
    image.AutoSize = true;
    EXPECT_EQ(image.pictureRect({400, 300}), QRectF(0, 0, 1000, 600));
}

}  // namespace
}  // namespace ky
