// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/jet/jet_database.h"

#include "words/jet/libmdb_text.h"

#include <mdbsql.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <strings.h>

#include "words/categories.h"
#include "words/jet/jet_file_check.h"
#include "words/jet/jet_header.h"
#include "words/jet/jet_row_check.h"
#include "words/jet/little_endian.h"
#include "words/jet/utf8_path.h"

namespace vorlix::jet {
namespace {

namespace fs = std::filesystem;

// Every Jet file holds at least its header, the global usage map and MSysObjects' definition.
constexpr uintmax_t kMinimumPages = 3;
constexpr uint32_t kCatalogDefinitionPage = 2;
constexpr uint8_t kDataPage = 0x01;

struct FileStart {
    uintmax_t size = 0;
    std::vector<uint8_t> firstPage;
};

// Reads only what the header check needs, after making sure the path is a regular file: a
// directory or FIFO handed to libmdb would fail obscurely or block.
FileStart readFileStart(const std::string& path)
{
    const fs::path file = utf8Path(path);
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (ec || !fs::exists(status)) {
        throw JetError("cannot be read: " + path + " (no such file)");
    }
    if (!fs::is_regular_file(status)) {
        throw JetError("cannot be read: " + path + " (not a regular file)");
    }
    FileStart start;
    start.size = fs::file_size(file, ec);
    std::ifstream in(file, std::ios::binary);
    if (ec || !in) {
        throw JetError("cannot be read: " + path + " (" + std::strerror(errno) + ")");
    }
    start.firstPage.resize(static_cast<size_t>(std::min<uintmax_t>(start.size, header::kPageSizeJet4)));
    in.read(reinterpret_cast<char*>(start.firstPage.data()), static_cast<std::streamsize>(start.firstPage.size()));
    if (static_cast<size_t>(in.gcount()) != start.firstPage.size()) {
        throw JetError("cannot be read: " + path + " (read error)");
    }
    return start;
}

bool isSelect(const std::string& sql)
{
    const auto first = std::find_if_not(sql.begin(), sql.end(), [](unsigned char c) { return std::isspace(c); });
    static constexpr std::string_view kSelect = "select";
    if (static_cast<size_t>(sql.end() - first) <= kSelect.size()) return false;
    for (size_t i = 0; i < kSelect.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(first[i])) != kSelect[i]) return false;
    }
    return std::isspace(static_cast<unsigned char>(first[kSelect.size()])) != 0;
}

// libmdbsql 1.0 leaves a where clause's tree on its sarg stack and mdb_sql_reset() frees neither
// (its own mdb-sql tool leaks it the same way), so release them before the reset.
void releaseWhereClause(MdbSQL* sql)
{
    for (GList* entry = sql->sarg_stack; entry; entry = entry->next) {
        auto* tree = static_cast<MdbSargNode*>(entry->data);
        if (tree == sql->sarg_tree) continue;  // the reset frees this one
        if (sql->cur_table && sql->cur_table->sarg_tree == tree) sql->cur_table->sarg_tree = nullptr;
        mdb_sql_free_tree(tree);
    }
    g_list_free(sql->sarg_stack);
    sql->sarg_stack = nullptr;
}

bool isTextComparison(const MdbSargNode* node)
{
    return node->col && node->val_type == MDB_TEXT &&
           (node->col->col_type == MDB_TEXT || node->col->col_type == MDB_MEMO);
}

// The text equalities a row must meet (at the top of the where clause, or under AND), compared
// here as the program compares a category, without regard to letter case: rows whose category
// reads "weather" belong to 'Weather'. libmdbsql's own = is exact; it keeps every other comparison.
class TextEqualities {
public:
    // Takes the equalities on columns the query selects out of `tree`, which then holds true for
    // them; `selected` are the query's columns, in order.
    TextEqualities(MdbSargNode* tree, const std::vector<const char*>& selected)
    {
        if (tree) take(tree, selected);
    }

    bool met(Fields row) const
    {
        return std::all_of(required_.begin(), required_.end(),
                           [&row](const Required& r) { return sameCategory(row[r.field], r.text); });
    }

private:
    struct Required {
        size_t field;
        std::string text;
    };

    void take(MdbSargNode* node, const std::vector<const char*>& selected)
    {
        if (node->op == MDB_AND) {
            take(node->left, selected);
            take(node->right, selected);
            return;
        }
        if (node->op != MDB_EQUAL || !isTextComparison(node)) return;
        const auto column = std::find_if(selected.begin(), selected.end(),
                                         [node](const char* name) { return !strcasecmp(name, node->col->name); });
        if (column == selected.end()) return;
        required_.push_back({static_cast<size_t>(column - selected.begin()), node->value.s});
        // libmdbsql takes a comparison of no column for a constant, its value.
        node->col = nullptr;
        node->value.i = 1;
    }

    std::vector<Required> required_;
};

// What libmdb will rely on when it takes the rows of `table` apart; throws DamagedFile where the
// table's definition gives it no sound ground: a column that lies outside every row.
RowShape rowShapeOf(const MdbTableDef& table, PageFile& pages, int jetVersion,
                    const std::function<DamagedFile(const std::string&)>& damaged)
{
    const std::string name = std::string("table ") + table.name;
    const auto definition = pages.read(static_cast<uint32_t>(table.entry->table_pg));
    const auto maxColumns = definition ? maxColumnsOf(*definition, jetVersion) : std::nullopt;
    if (!maxColumns) throw damaged(name + ": its definition cannot be read");
    RowShape shape{jetVersion, *maxColumns, table.num_var_cols > 0, {}};
    for (guint i = 0; i < table.columns->len; ++i) {
        const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(table.columns, i));
        const bool outside = static_cast<size_t>(column->col_num) >= shape.maxColumns ||
                             (!column->is_fixed && column->var_col_num >= shape.maxColumns);
        if (outside) throw damaged(name + ": its column " + column->name + " lies outside its rows");
        if (column->is_fixed)
            shape.fixedColumnEnds.push_back(static_cast<size_t>(column->fixed_offset + column->col_size));
    }
    return shape;
}

// Lets libmdb scan a table's data pages only once they have been checked: it takes a damaged row
// apart before anyone can look at what it made of it, and may read beyond its buffers doing so.
// libmdb walks the table's usage map; in its place it is given a map of the pages checked so
// far, and when the scan has come to the end of those, the next ones are checked and added. The
// first few go first, so that the first row comes as soon as before; each batch is twice the last.
class CheckedScan {
public:
    CheckedScan(MdbTableDef& table, PageFile& file, int jetVersion, RowShape shape,
                std::function<DamagedFile(const std::string&)> damaged)
        : table_(table),
          file_(file),
          pages_(tablePages(file, static_cast<uint32_t>(table.entry->table_pg), jetVersion)),
          shape_(std::move(shape)),
          damaged_(std::move(damaged)),
          ownMap_(table.usage_map),
          ownMapSize_(table.map_sz)
    {
    }
    ~CheckedScan()
    {
        table_.usage_map = ownMap_;
        table_.map_sz = ownMapSize_;
    }
    CheckedScan(const CheckedScan&) = delete;
    CheckedScan& operator=(const CheckedScan&) = delete;

    // Checks the next pages and lets the scan go on into them; false when none are left. Throws
    // DamagedFile for a page libmdb cannot read soundly.
    bool release()
    {
        if (checked_ == pages_.size()) return false;
        const size_t until = std::min(pages_.size(), checked_ + batch_);
        for (; checked_ < until; ++checked_) check(pages_[checked_]);
        batch_ *= 2;
        // An inline map: its type, the first page, and a bit for each page from there on.
        const uint32_t first = pages_.front();
        map_.assign(5 + (pages_[checked_ - 1] - first) / 8 + 1, 0);
        le::put32(map_.data() + 1, first);
        for (size_t i = 0; i < checked_; ++i)
            map_[5 + (pages_[i] - first) / 8] |= uint8_t(1u << ((pages_[i] - first) % 8));
        table_.usage_map = map_.data();
        table_.map_sz = map_.size();
        // A scan that ran out of pages stands past the rows of its last one: it moves on to the next.
        if (started_) table_.cur_row = kPastEveryRow;
        started_ = true;
        return true;
    }

private:
    static constexpr unsigned int kPastEveryRow = 0x10000;

    void check(uint32_t page)
    {
        const std::string where = std::string("table ") + table_.name + ": page " + std::to_string(page);
        const auto bytes = file_.read(page);
        if (!bytes) throw damaged_(where + " cannot be read");
        // libmdb passes over a page of the map that is no data page of this table; so does the check.
        if ((*bytes)[0] != kDataPage || le::u32(bytes->data() + 4) != static_cast<uint32_t>(table_.entry->table_pg))
            return;
        if (auto problem = dataPageProblem(*bytes, shape_)) throw damaged_(where + ", " + *problem);
    }

    MdbTableDef& table_;
    PageFile& file_;
    const std::vector<uint32_t> pages_;
    const RowShape shape_;
    const std::function<DamagedFile(const std::string&)> damaged_;
    unsigned char* const ownMap_;
    const size_t ownMapSize_;
    std::vector<uint8_t> map_;
    size_t checked_ = 0;  // pages_ before this one are checked
    size_t batch_ = 4;
    bool started_ = false;
};

// One libmdbsql session borrowing the database's handle: a fresh one per query leaves no parse
// state or error text behind from the previous query.
class SqlSession {
public:
    explicit SqlSession(MdbHandle* mdb) : sql_(mdb_sql_init())
    {
        if (!sql_) throw JetError("the query failed: out of memory");
        sql_->mdb = mdb;
    }
    ~SqlSession()
    {
        releaseWhereClause(sql_);
        mdb_sql_reset(sql_);
        sql_->mdb = nullptr;  // the handle belongs to the Database, not to this session
        mdb_sql_exit(sql_);
    }
    SqlSession(const SqlSession&) = delete;
    SqlSession& operator=(const SqlSession&) = delete;

    MdbSQL* get() const { return sql_; }

private:
    MdbSQL* sql_;
};

}  // namespace

struct Database::Impl {
    MdbHandle* mdb = nullptr;
    int jetVersion = 0;
    std::string password;
    std::string path;
    // The file as pages, for the checks libmdb's reading relies on.
    std::unique_ptr<PageFile> pages;

    DamagedFile damaged(const std::string& why) const
    {
        return DamagedFile("damaged Access database: " + path + " (" + why + ")");
    }

    ~Impl()
    {
        if (mdb) mdb_close(mdb);
    }
};

Database::Database(const std::string& path) : impl_(std::make_unique<Impl>())
{
    const FileStart start = readFileStart(path);
    const auto facts = header::readHeader(start.firstPage);
    if (!facts) throw JetError("not an Access database: " + path);
    if (start.size < kMinimumPages * facts->pageSize || start.size % facts->pageSize != 0) {
        throw JetError("damaged Access database: " + path + " (truncated)");
    }
    impl_->jetVersion = facts->jetVersion;
    impl_->password = facts->password;
    impl_->path = path;
    const auto damaged = [this](const std::string& why) { return impl_->damaged(why); };

    impl_->pages = std::make_unique<PageFile>(
        path, facts->pageSize, static_cast<uint32_t>(std::min<uintmax_t>(start.size / facts->pageSize, UINT32_MAX)));
    PageFile& pages = *impl_->pages;
    if (auto problem = tableDefinitionProblem(pages, kCatalogDefinitionPage, facts->jetVersion)) {
        throw damaged("the table list: " + *problem);
    }
    impl_->mdb = mdb_open(pathLibmdbCanOpen(path).c_str(), MDB_NOFLAGS);
    if (!impl_->mdb) throw JetError("cannot be read: " + path + " (libmdb refused it)");
    decodeTextAsUtf8(impl_->mdb, impl_->jetVersion);
    // Reading the table list now turns a damaged catalog into an error at open, not at the
    // first query, and lets every table be checked before a query reaches it.
    const GPtrArray* catalog = mdb_read_catalog(impl_->mdb, MDB_TABLE);
    if (!catalog) throw damaged("its table list cannot be read");
    for (guint i = 0; i < catalog->len; ++i) {
        const auto* entry = static_cast<const MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry->object_type != MDB_TABLE) continue;
        if (auto problem = tableDefinitionProblem(pages, static_cast<uint32_t>(entry->table_pg), facts->jetVersion)) {
            throw damaged(std::string("table ") + entry->object_name + ": " + *problem);
        }
    }
}

Database::~Database() = default;

int Database::jetVersion() const
{
    return impl_->jetVersion;
}

const std::string& Database::password() const
{
    return impl_->password;
}

void Database::select(const std::string& sql, const std::function<void(Fields)>& onColumns,
                      const std::function<void(Fields)>& onRow)
{
    if (!isSelect(sql)) throw JetError("the query failed: only select statements are run");
    SqlSession session(impl_->mdb);
    MdbSQL* const q = session.get();
    if (!mdb_sql_run_query(q, sql.c_str()) || mdb_sql_has_error(q) || !q->cur_table) {
        const std::string why = mdb_sql_has_error(q) ? mdb_sql_last_error(q) : "syntax error";
        throw JetError("the query failed: " + why);
    }
    // A count is answered from a table of libmdb's own making, with no pages to check.
    MdbTableDef& table = *q->cur_table;
    const auto damaged = [this](const std::string& why) { return impl_->damaged(why); };
    std::optional<CheckedScan> scan;
    if (!table.is_temp_table && table.strategy == MDB_TABLE_SCAN)
        scan.emplace(table, *impl_->pages, impl_->jetVersion,
                     rowShapeOf(table, *impl_->pages, impl_->jetVersion, damaged), damaged);

    std::vector<const char*> names;
    for (unsigned int i = 0; i < q->num_columns; ++i) {
        names.push_back(static_cast<MdbSQLColumn*>(g_ptr_array_index(q->columns, i))->name);
    }
    onColumns(names);
    // Only a scan of every row lets them be taken out of the where clause: libmdb may have chosen
    // an index for the clause as it stands, and a "top" counts the rows the clause lets through.
    const bool everyRow = table.strategy == MDB_TABLE_SCAN && q->limit == -1;
    const TextEqualities required(everyRow ? table.sarg_tree : nullptr, names);
    // A successful select has bound every column to a text buffer in q->bound_values already.
    const Fields values(reinterpret_cast<const char* const*>(q->bound_values->pdata), q->num_columns);
    if (scan && !scan->release()) return;
    for (;;) {
        while (mdb_sql_fetch_row(q, &table))
            if (required.met(values)) onRow(values);
        if (!scan || !scan->release()) return;
    }
}

QueryResult Database::query(const std::string& sql)
{
    QueryResult result;
    select(
        sql, [&result](Fields names) { result.columns.assign(names.begin(), names.end()); },
        [&result](Fields values) { result.rows.emplace_back(values.begin(), values.end()); });
    return result;
}

}  // namespace vorlix::jet
