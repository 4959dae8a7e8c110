#include "data/list_rows.h"

#include "data/each_row.h"
#include "data/erp_queries.h"
#include "dbaccess/record_set.h"

namespace data {

namespace {

std::optional<dbaccess::Date> optionalDate(const dbaccess::Value &value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toDate();
}

dbaccess::Decimal decimalOrZero(const dbaccess::Value &value)
{
    return value.isNull() ? dbaccess::Decimal() : value.toDecimal();
}

} // namespace

std::vector<OrderLineRow> readOrderLines(dbaccess::RecordSet &rs, const std::string &sql,
                                         bool withJobs)
{
    std::vector<OrderLineRow> rows;
    eachRow(rs, sql, [&] {
        OrderLineRow row;
        row.lineId = rs.field("id").toInt();
        const auto &product = rs.field("product_id");
        row.productId = product.isNull() ? 0 : product.toInt();
        row.quantity = decimalOrZero(rs.field("qty_to_invoice"));
        row.lineName = rs.field("line_name").toText();
        row.orderName = rs.field("order_name").toText();
        row.customerName = rs.field("customerName").toText();
        row.commitmentDate = optionalDate(rs.field("commitment_date"));
        row.orderDate = optionalDate(rs.field("date_order"));
        if (withJobs) {
            row.jobId = rs.field("schedid").toInt();
            const auto &status = rs.field("status");
            row.status = status.isNull() ? 0 : int(status.toInt());
            const auto &hours = rs.field("runHours");
            if (!hours.isNull())
                row.runHours = hours.toDecimal();
            const auto &comment = rs.field("comment");
            if (!comment.isNull())
                row.comment = comment.toText();
            row.startDate = optionalDate(rs.field("startdate"));
        }
        rows.push_back(std::move(row));
    });
    return rows;
}

std::vector<BookedJob> readBookedJobs(dbaccess::RecordSet &rs, const std::string &sql)
{
    std::vector<BookedJob> jobs;
    eachRow(rs, sql, [&] {
        jobs.push_back({rs.field(0).toDate(), decimalOrZero(rs.field(1))});
    });
    return jobs;
}

std::vector<SlotHours> readSlotHours(dbaccess::RecordSet &rs, const std::string &sql)
{
    std::vector<SlotHours> slots;
    eachRow(rs, sql, [&] {
        slots.push_back({int(rs.field(0).toInt()), decimalOrZero(rs.field(1))});
    });
    return slots;
}

std::optional<std::int64_t> readFirstOpenLine(dbaccess::RecordSet &rs, int companyId)
{
    std::optional<std::int64_t> first;
    eachRow(rs, erp::firstOpenLine(companyId), [&] {
        if (!rs.field(0).isNull())
            first = rs.field(0).toInt();
    });
    return first;
}

} // namespace data
