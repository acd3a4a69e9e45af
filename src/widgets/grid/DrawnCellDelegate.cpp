#include "DrawnCellDelegate.h"

#include "DataSetModel.h"
#include "GridPaintContext.h"

namespace vorpa {

DrawnCellDelegate::DrawnCellDelegate(const GridPaintContext *context, DrawCellFunction draw, QObject *parent)
    : GridCellDelegate(context, parent), m_draw(std::move(draw))
{
}

void DrawnCellDelegate::paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index,
                                     const CellStyle &style) const
{
    const int row = index.data(DataSetModel::SourceRowRole).toInt();
    if (!m_draw || !m_context->model || !m_context->model->dataSet() || row < 0)
        return;
    m_draw(painter, rect, RowValues(m_context->model->dataSet(), row), style);
}

} // namespace vorpa
