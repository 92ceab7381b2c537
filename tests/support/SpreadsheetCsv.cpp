#include "tests/support/SpreadsheetCsv.h"

#include <csv.h>

namespace {
struct Records {
    QList<QStringList> rows;
    QStringList fields;
};

void onField(void* data, size_t size, void* context) {
    static_cast<Records*>(context)->fields
        << QString::fromUtf8(static_cast<const char*>(data), qsizetype(size));
}

void onRecordEnd(int /*terminator*/, void* context) {
    auto* records = static_cast<Records*>(context);
    records->rows << records->fields;
    records->fields.clear();
}

// No character is a blank to drop: libcsv would otherwise trim spaces and tabs around fields.
int noBlanks(unsigned char) {
    return 0;
}
} // namespace

QList<QStringList> readSpreadsheetCsv(const QByteArray& bytes) {
    csv_parser parser{};
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL) != 0)
        return {};
    csv_set_space_func(&parser, noBlanks);
    Records records;
    const bool parsed = csv_parse(&parser, bytes.constData(), size_t(bytes.size()), onField,
                                  onRecordEnd, &records) == size_t(bytes.size()) &&
                        csv_fini(&parser, onField, onRecordEnd, &records) == 0;
    csv_free(&parser);
    return parsed ? records.rows : QList<QStringList>();
}
