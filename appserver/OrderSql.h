#pragma once

#include <QString>

namespace vorpa::sql {

/// SQL pieces that several order and stock queries share, so that a state text or the meaning
/// of "ordered but not delivered" is written once.

/// The display text of an order's state, for an order table aliased o.
inline const QString &orderStateText()
{
    static const QString text = QStringLiteral(
        "CASE o.DURUM WHEN 2 THEN 'Alındı' WHEN 3 THEN 'Onaylandı' WHEN 4 THEN 'Görüldü' WHEN 5 THEN 'Parçalı Hazırlandı'"
        " WHEN 6 THEN 'Hazırlandı' WHEN 7 THEN 'Sevk Edildi' ELSE '' END");
    return text;
}

/// A join giving a.ALINAN, the quantity of a stock ordered by customers and not yet delivered
/// (NULL when none), for the stock number in stockColumn.
inline QString undeliveredOrdersJoin(const QString &stockColumn)
{
    return QStringLiteral(" LEFT JOIN (SELECT STOKNO, SUM(KALAN) AS ALINAN FROM siparis_satir WHERE KALAN > 0"
                          " GROUP BY STOKNO) a ON a.STOKNO = ") + stockColumn;
}

} // namespace vorpa::sql
