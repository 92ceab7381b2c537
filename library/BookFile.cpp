#include "library/BookFile.h"

#include "library/CasterClasses.h"
#include "library/SpellText.h"
#include "ui/BoundedRead.h"
#include "ui/TwError.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cerrno>
#include <limits>

namespace {

// A book of thousands of spells is a few megabytes; anything far larger is another kind of
// file, and reading it whole would only make the user wait.
constexpr qint64 kLargestBook = 64 * 1024 * 1024;

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void fail(const QString& message) {
    throw TwError(-1, QStringLiteral("BookFile"), message);
}

// Reads the fields of one JSON object; every complaint names the file and the field.
class FieldReader {
public:
    // where: how a message names this object's fields ("request.caster", "the page of spell 4").
    FieldReader(const QJsonObject& object, QString path, QString prefix, QString owner)
        : m_object(object), m_path(std::move(path)), m_prefix(std::move(prefix)),
          m_owner(std::move(owner)) {}

    QString text(const QString& key, bool required = true, const QString& fallback = {}) const {
        const QJsonValue value = field(key, required);
        if (value.isUndefined())
            return fallback;
        if (!value.isString())
            wrongType(key, QCoreApplication::translate("BookFile", "text"));
        return value.toString();
    }

    qint64 wholeNumber(const QString& key, qint64 lowest, qint64 highest) const {
        return numberFrom(key, field(key, true), lowest, highest);
    }

    bool flag(const QString& key) const {
        const QJsonValue value = field(key, false);
        if (value.isUndefined())
            return false;
        if (!value.isBool())
            wrongType(key, QCoreApplication::translate("BookFile", "true or false"));
        return value.toBool();
    }

    QJsonArray list(const QString& key, bool required = true) const {
        const QJsonValue value = field(key, required);
        if (value.isUndefined())
            return {};
        if (!value.isArray())
            wrongType(key, QCoreApplication::translate("BookFile", "a list"));
        return value.toArray();
    }

    QJsonObject object(const QString& key) const {
        const QJsonValue value = field(key, true);
        if (!value.isObject())
            wrongType(key, QCoreApplication::translate("BookFile", "an object"));
        return value.toObject();
    }

    QStringList texts(const QString& key) const {
        QStringList result;
        for (const QJsonValue& entry : list(key)) {
            if (!entry.isString())
                wrongType(key, QCoreApplication::translate("BookFile", "a list of texts"));
            result << entry.toString();
        }
        return result;
    }

    QList<qint32> numbers(const QString& key, qint64 lowest, qint64 highest) const {
        QList<qint32> result;
        for (const QJsonValue& entry : list(key))
            result << qint32(numberFrom(key, entry, lowest, highest));
        return result;
    }

    [[noreturn]] void invalid(const QString& key, const QString& what) const {
        fail(QCoreApplication::translate("BookFile", "\"%1\" is not a valid spellbook: %2 %3.")
                 .arg(shown(m_path), name(key), what));
    }

    QString name(const QString& key) const {
        return m_owner.isEmpty()
                   ? QStringLiteral("\"%1%2\"").arg(m_prefix, key)
                   : QCoreApplication::translate("BookFile", "the \"%1\" of %2").arg(key, m_owner);
    }

private:
    QJsonValue field(const QString& key, bool required) const {
        const QJsonValue value = m_object.value(key);
        if (value.isUndefined() && required)
            fail(QCoreApplication::translate("BookFile",
                                             "\"%1\" is not a complete spellbook: %2 is missing.")
                     .arg(shown(m_path), name(key)));
        return value;
    }

    qint64 numberFrom(const QString& key, const QJsonValue& value, qint64 lowest,
                      qint64 highest) const {
        const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!value.isDouble() || number != double(qint64(number)) || number < double(lowest) ||
            number > double(highest))
            invalid(key, QCoreApplication::translate("BookFile",
                                                     "should hold whole numbers from %1 to %2")
                             .arg(lowest)
                             .arg(highest));
        return qint64(number);
    }

    [[noreturn]] void wrongType(const QString& key, const QString& type) const {
        invalid(key, QCoreApplication::translate("BookFile", "should be %1").arg(type));
    }

    QJsonObject m_object;
    QString m_path;
    QString m_prefix;
    QString m_owner;
};

QJsonObject spellObject(const SpellRow& spell) {
    QJsonObject object{{"name", spell.name},
                       {"level", spell.level},
                       {"frequency", spell.frequency},
                       {"schools", spell.schools},
                       {"book", spell.book},
                       {"page", spell.page},
                       {"description", spell.description}};
    if (spell.pinned)
        object.insert(QStringLiteral("pinned"), true);
    return object;
}

SpellRow spellFrom(const QJsonValue& value, qsizetype number, const QString& path) {
    const QString owner = QCoreApplication::translate("BookFile", "spell %1").arg(number);
    if (!value.isObject())
        fail(QCoreApplication::translate("BookFile",
                                         "\"%1\" is not a valid spellbook: %2 should be an object.")
                 .arg(shown(path), owner));
    const FieldReader reader(value.toObject(), path, QString(), owner);
    SpellRow spell;
    spell.name = reader.text(QStringLiteral("name"));
    if (spell.name.trimmed().isEmpty())
        fail(QCoreApplication::translate("BookFile",
                                         "\"%1\" is not a valid spellbook: %2 has no name.")
                 .arg(shown(path), owner));
    spell.level = reader.text(QStringLiteral("level"));
    static const QStringList levels = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    if (!levels.contains(spell.level))
        reader.invalid(
            QStringLiteral("level"),
            QCoreApplication::translate("BookFile", "is \"%1\", not a spell level from 1 to 9")
                .arg(printable(spell.level.left(40))));
    spell.frequency = reader.text(QStringLiteral("frequency"));
    spell.schools = reader.text(QStringLiteral("schools"));
    spell.book = reader.text(QStringLiteral("book"));
    spell.page = reader.text(QStringLiteral("page"));
    spell.description = reader.text(QStringLiteral("description"), false);
    spell.pinned = reader.flag(QStringLiteral("pinned"));
    // A spell's texts keep the catalogue's rules: a book is printed and exported as it stands.
    const struct {
        const char* key;
        const QString& text;
        int limit;
    } texts[] = {{"name", spell.name, SpellLimits::kName},
                 {"frequency", spell.frequency, std::numeric_limits<int>::max()},
                 {"schools", spell.schools, std::numeric_limits<int>::max()},
                 {"book", spell.book, SpellLimits::kBook},
                 {"page", spell.page, SpellLimits::kPage},
                 {"description", spell.description, SpellLimits::kDescription}};
    for (const auto& field : texts) {
        const QString key = QString::fromLatin1(field.key);
        const bool isDescription = key == QLatin1String("description");
        if (const std::optional<char16_t> control = firstControl(field.text, isDescription))
            reader.invalid(key,
                           QCoreApplication::translate("BookFile", "holds a control character (%1)")
                               .arg(codePoint(*control)));
        const qsizetype length = characterCount(field.text);
        if (length > field.limit)
            reader.invalid(key, QCoreApplication::translate(
                                    "BookFile", "is %1 characters long, more than the %2 allowed")
                                    .arg(length)
                                    .arg(field.limit));
    }
    return spell;
}

// The line and column of a character offset, as an editor counts them.
QString lineAndColumn(const QByteArray& bytes, int offset) {
    // The parser's offset stands just after the character it could not take.
    const QByteArray before = bytes.left(qMax(0, offset - 1));
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = before.size() - (before.lastIndexOf('\n') + 1) + 1;
    return QCoreApplication::translate("BookFile", "line %1, column %2").arg(line).arg(column);
}

} // namespace

namespace BookFile {

QByteArray toJson(const SpellbookDocument& document) {
    const GeneratedBook& book = document.book;
    QJsonObject request{{"caster", book.caster},
                        {"level", book.casterLevel},
                        {"class", book.casterClass},
                        {"volume", book.volume},
                        {"frequency", book.frequency},
                        {"excludedSchools", QJsonArray::fromStringList(book.excludedSchools)},
                        {"specialistPercent", document.specialistPercent}};
    QJsonArray counts;
    for (qint32 count : document.customCounts)
        counts.append(count);
    request.insert(QStringLiteral("customCounts"), counts);
    // A seed is a 64-bit number; JSON readers keep it exactly only as text.
    request.insert(QStringLiteral("seed"),
                   book.hasSeed ? QJsonValue(QString::number(book.seed)) : QJsonValue());
    QJsonArray limited;
    for (int level : book.limitedLevels)
        limited.append(level);
    QJsonArray spells;
    for (const SpellRow& spell : book.spells)
        spells.append(spellObject(spell));
    const QJsonObject root{
        {"format", kFormat}, {"request", request}, {"limitedLevels", limited}, {"spells", spells}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SpellbookDocument fromJson(const QByteArray& bytes, const QString& path) {
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        fail(QCoreApplication::translate("BookFile",
                                         "\"%1\" is not a spellbook: it is not JSON (%2 at %3).")
                 .arg(shown(path), error.errorString(), lineAndColumn(bytes, error.offset)));
    if (!json.isObject())
        fail(QCoreApplication::translate("BookFile",
                                         "\"%1\" is not a spellbook: it holds no JSON object.")
                 .arg(shown(path)));
    const QJsonObject root = json.object();
    const QJsonValue format = root.value(QStringLiteral("format"));
    if (!format.isDouble() || format.toDouble() < 1 ||
        format.toDouble() != double(qint64(format.toDouble())))
        fail(QCoreApplication::translate("BookFile",
                                         "\"%1\" is not a spellbook: it has no \"format\" number.")
                 .arg(shown(path)));
    if (format.toDouble() > kFormat)
        fail(QCoreApplication::translate(
                 "BookFile", "\"%1\" was saved by a newer version of Tomewright (book format %2); "
                             "this version reads format %3 and older.")
                 .arg(shown(path))
                 .arg(qint64(format.toDouble()))
                 .arg(kFormat));

    const FieldReader top(root, path, QString(), QString());
    const FieldReader request(top.object(QStringLiteral("request")), path,
                              QStringLiteral("request."), QString());
    SpellbookDocument document;
    GeneratedBook& book = document.book;
    book.caster = request.text(QStringLiteral("caster"));
    // U+0000 ends a text in many programs the book may reach; other characters are the caster's.
    if (book.caster.contains(QChar(u'\0')))
        request.invalid(QStringLiteral("caster"),
                        QCoreApplication::translate("BookFile", "holds a control character (%1)")
                            .arg(codePoint(0)));
    book.casterLevel = request.text(QStringLiteral("level"));
    bool knownLevel = book.casterLevel.isEmpty(); // empty: no level picked yet
    for (int level = 1; level <= CasterClasses::kHighestCasterLevel; ++level)
        knownLevel = knownLevel || CasterClasses::levelText(level) == book.casterLevel;
    if (!knownLevel)
        request.invalid(QStringLiteral("level"),
                        QCoreApplication::translate(
                            "BookFile", "is \"%1\", not a caster level from 1st to 30th")
                            .arg(book.casterLevel));
    book.casterClass = request.text(QStringLiteral("class"));
    if (!CasterClasses::classNames().contains(book.casterClass))
        request.invalid(
            QStringLiteral("class"),
            QCoreApplication::translate("BookFile", "is \"%1\", not a class Tomewright knows")
                .arg(book.casterClass));
    book.volume = request.text(QStringLiteral("volume"));
    if (!CasterClasses::volumeNames().contains(book.volume))
        request.invalid(
            QStringLiteral("volume"),
            QCoreApplication::translate("BookFile", "is \"%1\", not a volume Tomewright knows")
                .arg(book.volume));
    book.frequency = request.text(QStringLiteral("frequency"));
    book.excludedSchools = request.texts(QStringLiteral("excludedSchools"));
    document.customCounts = request.numbers(QStringLiteral("customCounts"), 0, 1000);
    if (document.customCounts.size() != 9)
        request.invalid(QStringLiteral("customCounts"),
                        QCoreApplication::translate(
                            "BookFile", "should hold nine counts, for spell levels 1 to 9"));
    document.specialistPercent =
        qint32(request.wholeNumber(QStringLiteral("specialistPercent"), 0, 100));
    if (document.specialistPercent % 10 != 0)
        request.invalid(QStringLiteral("specialistPercent"),
                        QCoreApplication::translate("BookFile", "should go in steps of 10"));
    const QJsonValue seed = top.object(QStringLiteral("request")).value(QStringLiteral("seed"));
    if (!seed.isNull() && !seed.isUndefined()) {
        bool ok = false;
        if (seed.isString())
            book.seed = seed.toString().toULongLong(&ok);
        if (!ok)
            request.invalid(QStringLiteral("seed"),
                            QCoreApplication::translate(
                                "BookFile", "should be a whole number written as text"));
        book.hasSeed = true;
    }
    for (qint32 level : top.numbers(QStringLiteral("limitedLevels"), 1, 9))
        book.limitedLevels << level;
    const QJsonArray spells = top.list(QStringLiteral("spells"));
    for (qsizetype i = 0; i < spells.size(); ++i)
        book.spells << spellFrom(spells.at(i), i + 1, path);
    return document;
}

SpellbookDocument read(const QString& path) {
    const BoundedRead file = readBounded(path, kLargestBook);
    if (file.tooLarge)
        fail(QCoreApplication::translate("BookFile", "\"%1\" is not a spellbook: it holds more "
                                                     "than %2, far more than a book does.")
                 .arg(shown(path), sizeText(kLargestBook)));
    if (!file.error.isEmpty())
        fail(QCoreApplication::translate("BookFile", "The spellbook \"%1\" cannot be opened: %2.")
                 .arg(shown(path), file.error));
    return fromJson(file.bytes, path);
}

void writeTo(QIODevice& device, const SpellbookDocument& document, const QString& path) {
    const QByteArray bytes = toJson(document);
    errno = 0;
    if (device.write(bytes) != bytes.size()) {
        // A file that took only part of the bytes (a full disk, a size limit) reports no error
        // of its own; the system's reason is the one a user can act on.
        const int systemError = errno;
        const auto* file = qobject_cast<const QFileDevice*>(&device);
        const QString reason = file && file->error() == QFileDevice::NoError && systemError != 0
                                   ? qt_error_string(systemError)
                                   : device.errorString();
        fail(QCoreApplication::translate("BookFile", "The spellbook cannot be saved to \"%1\": %2.")
                 .arg(shown(path), reason));
    }
}

void write(const SpellbookDocument& document, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(QCoreApplication::translate("BookFile", "The spellbook cannot be saved to \"%1\": %2.")
                 .arg(shown(path), file.errorString()));
    try {
        writeTo(file, document, path);
    } catch (const TwError&) {
        file.cancelWriting(); // the old file stays as it was
        throw;
    }
    if (!file.commit())
        fail(QCoreApplication::translate("BookFile", "The spellbook cannot be saved to \"%1\": %2.")
                 .arg(shown(path), file.errorString()));
}

} // namespace BookFile
