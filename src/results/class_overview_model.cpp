#include "results/class_overview_model.h"

#include <QBrush>
#include <cstdint>

#include "app/style.h"
#include "app/text_codec.h"

namespace glosbo::results {

using app::fromCp1252;
using app::fromUtf8;

void ClassOverviewModel::setOverview(core::ClassOverview overview) {
    beginResetModel();
    m_overview = std::move(overview);
    endResetModel();
}

void ClassOverviewModel::sortBy(const core::ClassSort& sort) {
    emit layoutAboutToBeChanged();
    // Only the pupils' rows move; the count row stays last.
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> records;
    for (const QModelIndex& i : before)
        records.push_back(pupil(i.row()) ? pupil(i.row())->record : SIZE_MAX);
    core::sortClassOverview(m_overview, sort);
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k) {
        const int row = records[std::size_t(k)] == SIZE_MAX ? int(m_overview.pupils.size())
                                                            : rowOfRecord(records[std::size_t(k)]);
        after.push_back(index(row, before[k].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

const core::ClassPupil* ClassOverviewModel::pupil(int row) const {
    if (row < 0 || row >= int(m_overview.pupils.size())) return nullptr;
    return &m_overview.pupils[std::size_t(row)];
}

int ClassOverviewModel::rowOfRecord(std::size_t record) const {
    for (std::size_t i = 0; i < m_overview.pupils.size(); ++i)
        if (m_overview.pupils[i].record == record) return int(i);
    return -1;
}

QColor ClassOverviewModel::statusColour(std::uint8_t status) {
    using namespace app::style;
    switch (status) {
    case core::kStatusStart:
        return kStatusStartColour;
    case core::kStatusWait:
        return kStatusWaitColour;
    case core::kStatusTest:
        return kStatusTestColour;
    case core::kStatusPractise:
        return kStatusPractiseColour;
    default:
        return kWhite;
    }
}

int ClassOverviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_overview.pupils.size()) + 1;
}

int ClassOverviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ClassOverviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    const bool testColumn = column > kNameColumn && column < kPassedColumn;
    const std::size_t t = std::size_t(column - 1);
    const core::ClassPupil* p = pupil(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (!p) {
            if (column == kNameColumn) return QString::fromLatin1(core::kClassCountLabel);
            if (testColumn) return m_overview.passedPerTest[t];
            return {};
        }
        if (column == kNameColumn) return fromCp1252(p->name);
        if (column == kPassedColumn) return p->passed;
        return fromCp1252(core::classCellText(p->result[t], p->status[t]));
    case Qt::BackgroundRole:
        if (p && testColumn) return QBrush(statusColour(p->status[t]));
        if (!p) return QBrush(app::style::kAqua);
        return {};
    case Qt::ForegroundRole:
        return QBrush(app::style::kBlack);
    case Qt::TextAlignmentRole:
        return int(column == kNameColumn ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: {
        // What the cell means in words: the letter and the short heading
        // are for the eye.
        const QString area = testColumn ? fromUtf8(core::diagnosisTest(column).area) : QString();
        if (!p) {
            if (testColumn)
                return area + ": " + QString::number(m_overview.passedPerTest[t]) +
                       fromUtf8(u8" elever har klarat testet");
            return role == Qt::AccessibleTextRole ? data(index, Qt::DisplayRole) : QVariant();
        }
        const QString name = fromCp1252(p->name);
        if (column == kNameColumn) return name;
        if (column == kPassedColumn)
            return name + ": " + QString::number(p->passed) + " klarade test av 17";
        return name + ", " + area + ": " + QString::number(p->result[t]) + fromUtf8(u8" rätt, ") +
               fromCp1252(core::statusWord(p->status[t]));
    }
    default:
        return {};
    }
}

QVariant ClassOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    const bool test = section > kNameColumn && section < kPassedColumn;
    switch (role) {
    case Qt::DisplayRole:
        if (section == kNameColumn) return QString::fromLatin1(core::kClassNameHeading);
        if (section == kPassedColumn) return QString::fromLatin1(core::kClassPassedHeading);
        return QString::number(section) + '\n' + fromCp1252(core::shortAreaHeading(section));
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
    case Qt::AccessibleDescriptionRole:
        if (test)
            return "Test " + QString::number(section) + ": " +
                   fromUtf8(core::diagnosisTest(section).area);
        if (section == kPassedColumn) return fromUtf8(u8"Klarade test (minst 15 rätt)");
        return QString::fromLatin1(core::kClassNameHeading);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

} // namespace glosbo::results
