#pragma once

#include "store/register.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace orvanel::testing {

// Builds Person records for tests: all twenty children in file order with plain values, any of
// them replaced by `values` or left out through `missing`.
class PersonXml {
public:
    explicit PersonXml(QString id) : id_(std::move(id)) {}
    PersonXml& set(const QString& field, const QString& value);
    PersonXml& without(const QString& field);
    QByteArray xml() const;

private:
    QString id_;
    QMap<QString, QString> values_;
    QStringList missing_;
};

// A whole data file around `children`, with the given counts in the root.
QByteArray registerFile(const QByteArray& children, int personCount, int relCount);

// A register whose document is parsed from `children` directly, without the loader's checks;
// its persons and relationships are counted as a load counts them.
Register parsedRegister(const QByteArray& children);

}  // namespace orvanel::testing
