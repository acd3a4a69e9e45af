#include "CallParams.h"

#include <stdexcept>

namespace vorpa {

CallParams::CallParams(const OperationSpec &operation, QList<WireValue> values)
    : m_op(&operation)
    , m_inputs(operation.inputs())
    , m_values(std::move(values))
{
}

const WireValue &CallParams::at(int index) const
{
    if (index < 0 || index >= m_values.size())
        throw std::out_of_range(QStringLiteral("%1: %2. parametre yok").arg(m_op->commandText()).arg(index + 1).toStdString());
    return m_values[index];
}

int CallParams::indexOf(const char *name) const
{
    const QLatin1StringView wanted(name);
    for (int k = 0; k < m_inputs.size(); ++k) {
        if (m_inputs[k].name == wanted)
            return k;
    }
    throw std::invalid_argument(
        QStringLiteral("%1: %2 adında parametre yok").arg(m_op->commandText(), wanted).toStdString());
}

QJsonValue CallParams::recordJson(int index) const
{
    const WireValue &v = at(index);
    if (v.isNull())
        return QJsonValue(QJsonValue::Null);
    return v.record();
}

} // namespace vorpa
