// Feeds arbitrary bytes to the description-file reader. Whatever it accepts must
// fit the dot table and read back the same when written out again; whatever it
// refuses must come with a message naming the file.
#include "FuzzCheck.h"
#include "app/GameState.h"
#include "pictures/PictureFile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {
const QString FileName = QStringLiteral("fuzz.kv");

QByteArray writeOut(const DotRecords& dots)
{
    QByteArray text;
    for (const DotRecord& dot : dots)
        text += QByteArray::number(dot.dotX) + ", " + QByteArray::number(dot.dotY) + ", " +
                QByteArray::number(dot.numberX) + ", " + QByteArray::number(dot.numberY) + "\r\n";
    return text;
}

void checkAccepted(const DotRecords& dots)
{
    FUZZ_CHECK(dots.size() <= GameState::MaxDots);
    for (const DotRecord& dot : dots)
        FUZZ_CHECK(dot.dotX != GameState::EndMarker);

    // A table left full by an earlier picture must end at the new picture's dots.
    GameState state;
    state.DotX.fill(7);
    PictureFile::storeInto(state, dots);
    FUZZ_CHECK(state.dotCount() == dots.size());
    FUZZ_CHECK(state.DotX[dots.size() + 1] == GameState::EndMarker);

    const DescriptionResult again = PictureFile::parseDescription(writeOut(dots), FileName);
    FUZZ_CHECK(std::holds_alternative<DotRecords>(again));
    FUZZ_CHECK(std::get<DotRecords>(again) == dots);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const DescriptionResult result = PictureFile::parseDescription(text, FileName);
    if (const auto* error = std::get_if<PictureError>(&result)) {
        FUZZ_CHECK(error->file == FileName);
        FUZZ_CHECK(PictureFile::describe(*error).contains(FileName));
        return 0;
    }
    checkAccepted(std::get<DotRecords>(result));
    return 0;
}
