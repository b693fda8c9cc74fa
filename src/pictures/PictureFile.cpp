#include "PictureFile.h"

#include <QRegularExpression>

#include <limits>

namespace {
struct Token
{
    QString text;
    int line;
};

using TokensResult = std::variant<QList<Token>, PictureError>;

TokensResult tokenize(const QByteArray& bytes, const QString& fileName)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QList<Token> tokens;
    const QStringList lines = QString::fromLatin1(bytes).split(QLatin1Char('\n'));
    for (int lineIndex = 0; lineIndex < lines.size(); ++lineIndex) {
        const QString line = lines[lineIndex].trimmed();
        if (line.isEmpty())
            continue;
        for (const QString& field : line.split(QLatin1Char(','))) {
            const QString trimmed = field.trimmed();
            if (trimmed.isEmpty())
                return PictureError{PictureError::Kind::MissingValue, fileName, lineIndex + 1, {}};
            for (const QString& value : trimmed.split(blanks))
                tokens.append({value, lineIndex + 1});
        }
    }
    return tokens;
}

std::variant<qint16, PictureError> toValue(const Token& token, const QString& fileName)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    if (!wholeNumber.match(token.text).hasMatch())
        return PictureError{PictureError::Kind::NotWholeNumber, fileName, token.line, token.text};
    bool ok = false;
    const qlonglong value = token.text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return PictureError{PictureError::Kind::OutOfRange, fileName, token.line, token.text};
    return static_cast<qint16>(value);
}
} // namespace

DescriptionResult PictureFile::parseDescription(const QByteArray& text, const QString& fileName)
{
    TokensResult tokenized = tokenize(text, fileName);
    if (auto* error = std::get_if<PictureError>(&tokenized))
        return *error;
    const auto& tokens = std::get<QList<Token>>(tokenized);

    QList<qint16> values;
    for (const Token& token : tokens) {
        auto value = toValue(token, fileName);
        if (auto* error = std::get_if<PictureError>(&value))
            return *error;
        values.append(std::get<qint16>(value));
    }
    if (values.size() % 4 != 0)
        return PictureError{PictureError::Kind::IncompleteRecord, fileName, tokens.last().line, {}};
    if (values.size() / 4 > GameState::MaxDots)
        return PictureError{PictureError::Kind::TooManyDots, fileName, 0, {}};

    DotRecords dots;
    for (qsizetype i = 0; i < values.size(); i += 4) {
        const DotRecord dot{values[i], values[i + 1], values[i + 2], values[i + 3]};
        if (dot.dotX == GameState::EndMarker)
            return PictureError{PictureError::Kind::DotOnEndMarker, fileName, tokens[i].line, {}};
        dots.append(dot);
    }
    return dots;
}

void PictureFile::storeInto(GameState& state, const DotRecords& dots)
{
    int k = 0;
    for (const DotRecord& dot : dots) {
        ++k;
        state.DotX[k] = dot.dotX;
        state.DotY[k] = dot.dotY;
        state.NumberX[k] = dot.numberX;
        state.NumberY[k] = dot.numberY;
    }
    state.DotX[k + 1] = GameState::EndMarker;
}

QString PictureFile::bitmapName(const QString& descriptionName, Bitmap which)
{
    QString base = descriptionName;
    base.chop(3);
    return base + (which == Bitmap::Start ? QStringLiteral("1.bmp") : QStringLiteral("2.bmp"));
}

QString PictureFile::describe(const PictureError& error)
{
    using Kind = PictureError::Kind;
    const QString line = QString::number(error.line);
    QString problem;
    switch (error.kind) {
    case Kind::Missing:
        problem = QStringLiteral("the file is not there.");
        break;
    case Kind::Unreadable:
        problem = QStringLiteral("the file could not be read.");
        break;
    case Kind::TooLarge:
        problem = QStringLiteral("the file is far too big to be a picture.");
        break;
    case Kind::MissingValue:
        problem = QStringLiteral("a number is missing on line %1.").arg(line);
        break;
    case Kind::NotWholeNumber:
        problem = QStringLiteral("line %1 has \"%2\", which is not a whole number.")
                      .arg(line, error.value);
        break;
    case Kind::OutOfRange:
        problem =
            QStringLiteral("line %1 has %2, which is too big a number.").arg(line, error.value);
        break;
    case Kind::IncompleteRecord:
        problem = QStringLiteral("every dot needs four numbers, but the last dot has fewer.");
        break;
    case Kind::TooManyDots:
        problem = QStringLiteral("it has more than %1 dots.").arg(GameState::MaxDots);
        break;
    case Kind::DotOnEndMarker:
        problem =
            QStringLiteral("the dot on line %1 is at x = -1, which is not allowed.").arg(line);
        break;
    case Kind::BitmapMissing:
        problem = QStringLiteral("its bitmap \"%1\" is not there.").arg(error.value);
        break;
    case Kind::BitmapUnreadable:
        problem = QStringLiteral("its bitmap \"%1\" is not a picture this game can show.")
                      .arg(error.value);
        break;
    }
    return QStringLiteral("Sorry, the picture \"%1\" can't be opened: %2").arg(error.file, problem);
}
