#include "ui/trace_model.h"

#include <algorithm>
#include <utility>

#include "engine/algorithm/marks.h"

namespace ui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TraceModel::TraceModel(const ej::Trace& trace, QObject* parent, const ej::algorithm::Program* algorithm)
    : QAbstractTableModel(parent), trace_(trace), algorithm_(algorithm) {
    bold_.setBold(true);
    restart();
}

void TraceModel::restart() {
    beginResetModel();
    headers_ = trace_.headers();
    rows_ = static_cast<int>(trace_.rows().size());
    newest_ = rows_ ? trace_.rows().back().number : 0;
    noteShown_ = trace_.dropped() > 0;
    endResetModel();
}

void TraceModel::follow() {
    const auto& rows = trace_.rows();
    const int now = static_cast<int>(rows.size());
    // A clear, or the first row of a window that names its variables: start again.
    if (rows.empty() || rows.back().number < newest_ || rows.back().number - newest_ > now ||
        trace_.headers() != headers_)
        return restart();

    const int added = static_cast<int>(rows.back().number - newest_);
    const int gone = rows_ + added - now;  // the oldest rows the cap dropped
    if (trace_.dropped() > 0) {
        if (!noteShown_) {
            beginInsertRows({}, 0, 0);
            noteShown_ = true;
            endInsertRows();
        } else {
            emit dataChanged(index(0, kResultColumn), index(0, kResultColumn), {Qt::DisplayRole});
        }
    }
    if (gone > 0) {
        beginRemoveRows({}, firstEventRow(), firstEventRow() + gone - 1);
        rows_ -= gone;
        endRemoveRows();
    }
    if (added > 0) {
        const int first = firstEventRow() + rows_;
        beginInsertRows({}, first, first + added - 1);
        rows_ += added;
        newest_ = rows.back().number;
        endInsertRows();
    }
}

void TraceModel::markRow(int eventRow, const QColor& tint) {
    if (eventRow == marked_ && tint == tint_) return;
    const int before = marked_;
    marked_ = eventRow;
    tint_ = tint;
    for (const int row : {before, eventRow})
        if (row >= 0 && row < rows_)
            emit dataChanged(index(firstEventRow() + row, 0), index(firstEventRow() + row, columnCount() - 1),
                             {Qt::BackgroundRole});
}

void TraceModel::markColumn(int column, const QColor& tint, const QFont& font) {
    const int before = std::exchange(markedColumn_, column);
    columnTint_ = tint;
    columnFont_ = font;
    for (const int c : {before, column})
        if (c >= 0 && c < columnCount()) emit headerDataChanged(Qt::Horizontal, c, c);
}

int TraceModel::variableOf(int column) const {
    if (!algorithm_ || column < 0 || column >= columnCount()) return -1;
    const auto& variables = algorithm_->variables;
    const std::string& header = headers_[static_cast<std::size_t>(column)];
    const auto named = [&](const ej::algorithm::Variable& v) { return v.name == header; };
    const auto found = std::find_if(variables.begin(), variables.end(), named);
    return found == variables.end() ? -1 : static_cast<int>(found - variables.begin());
}

int TraceModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : firstEventRow() + rows_; }

int TraceModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant TraceModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((column == kResultColumn ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (noteShown_ && index.row() == 0)
        return role == Qt::DisplayRole && column == kResultColumn ? qs(trace_.droppedNote()) : QVariant();

    // Event row i is the trace's row i whenever a view may ask: after each change signal.
    const auto row = static_cast<std::size_t>(index.row() - firstEventRow());
    if (row >= trace_.rows().size()) return {};
    if (role == Qt::BackgroundRole) return static_cast<int>(row) == marked_ ? QVariant(tint_) : QVariant();
    const ej::TraceRow& r = trace_.rows()[row];
    const auto fixed = static_cast<int>(ej::Trace::kFixedHeaders.size());
    const auto value = static_cast<std::size_t>(column - fixed);
    const bool changed = column >= fixed && value < r.changed.size() && r.changed[value];
    if (role == Qt::FontRole) return changed ? QVariant(bold_) : QVariant();
    if (role == kChangedElementsRole) {
        if (!changed) return {};
        const int variable = variableOf(column);
        if (variable < 0 || !algorithm_->variables[static_cast<std::size_t>(variable)].array) return {};
        static const std::string none;  // before the first row: every element is new
        const std::string* before = &none;
        if (row > 0 && value < trace_.rows()[row - 1].values.size()) before = &trace_.rows()[row - 1].values[value];
        const std::vector<bool> elements = ej::changedElements(*before, r.values[value]);
        return QVariant::fromValue(QList<bool>(elements.begin(), elements.end()));
    }
    if (role != Qt::DisplayRole) return {};
    switch (column) {
    case 0:
        return QString::number(r.number);
    case 1:
        return qs(r.entered);
    case kResultColumn:
        return qs(r.result);
    default:
        return value < r.values.size() ? qs(r.values[value]) : QString();
    }
}

QVariant TraceModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const bool marked = section == markedColumn_;
    switch (role) {
    case Qt::DisplayRole:
        return qs(headers_[static_cast<std::size_t>(section)]);
    case Qt::ToolTipRole: {
        const int variable = variableOf(section);
        return variable < 0 ? QVariant() : QVariant(qs(ej::algorithm::aboutVariable(*algorithm_, variable)));
    }
    case Qt::FontRole:
        return marked ? QVariant(columnFont_) : QVariant();
    case Qt::BackgroundRole:
        return marked ? QVariant(columnTint_) : QVariant();
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
    }
}

}  // namespace ui
