// Every item of the sample game folder has a small and a large picture the reader draws.
#include "app/category.h"
#include "app/item_list.h"
#include "app/path_case.h"
#include "image/item_picture.h"
#include "image/tga_decoder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <set>
#include <stb_image.h>

namespace wed {
namespace {

std::set<QString> vidMenuValues() {
    QFile file(resolvePathIgnoringCase(WED_SAMPLE_DIR, "weapon.cfg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The weapon "heand" has a picture of its own, whatever its VidMENU value, and the implant
    // records that are never listed are not shown at all.
    std::set<QString> values;
    bool skip = false;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (isRecordHeaderLine(line)) {
            const QString header = QString::fromLatin1(line.trimmed());
            const QString id = header.section(u'=', 1);
            skip = heandRecordHeader(header) ||
                   (header.startsWith(u"Implant=") &&
                    (excludedImplantNames().contains(id) || id == QLatin1String(kSkillCostId)));
        }
        if (line.startsWith("VidMENU=") && !skip)
            values.insert(QString::fromLatin1(line.mid(8).trimmed()));
    }
    return values;
}

TEST(SamplePictures, EveryItemShowsItsSmallAndLargePicture) {
    const QString folder = resolvePathIgnoringCase(WED_SAMPLE_DIR, "Images/weapon");
    const std::set<QString> values = vidMenuValues();
    ASSERT_GT(values.size(), 10u);
    std::set<QString> names{QStringLiteral("1598.tga")};
    for (const QString& v : values)
        for (PictureSize size : {PictureSize::Small, PictureSize::Large})
            names.insert(pictureFileName(v, size, false).value_or("<none>"));
    for (const QString& name : names) {
        QFile file(picturePath(folder, name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        const QImage ours = decodeTga(bytes).image;
        ASSERT_FALSE(ours.isNull()) << name.toStdString();
        // The sample's pictures keep to what the oracle reads by the format's rules.
        int w = 0, h = 0, comp = 0;
        stbi_uc* oracle = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                                int(bytes.size()), &w, &h, &comp, 3);
        ASSERT_NE(oracle, nullptr) << name.toStdString();
        ASSERT_EQ(QSize(w, h), ours.size());
        int differing = 0;
        for (int i = 0; i < w * h; ++i)
            differing += ours.pixel(i % w, i / w) !=
                         qRgb(oracle[3 * i], oracle[3 * i + 1], oracle[3 * i + 2]);
        stbi_image_free(oracle);
        EXPECT_EQ(differing, 0) << name.toStdString();
    }
}

} // namespace
} // namespace wed
