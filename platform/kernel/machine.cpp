#include "kernel/machine.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <stdexcept>

#include "kernel/commit_count.h"
#include "kernel/schema.h"
#include "machine/clock.h"

namespace platform::machine {
namespace {

std::mutex g_root_lock;
// Never destroyed: threads of a program that is ending may still reach the machine while the
// program's static objects go.
std::optional<std::filesystem::path>& root_slot() {
  static auto* slot = new std::optional<std::filesystem::path>;
  return *slot;
}
std::atomic<int> g_generation = 0;  // bumped by attach(), so threads reopen their connection

[[noreturn]] void die(const std::string& what) {
  std::fprintf(stderr, "winsim: %s\n", what.c_str());
  std::abort();
}

struct CachedStatement {
  sqlite3_stmt* stmt = nullptr;
  bool in_use = false;
};

struct Connection {
  sqlite3* handle = nullptr;
  int generation = -1;
  CommitWatch watch;
  std::unordered_map<std::string, CachedStatement> statements;
  void close() {
    for (auto& [sql, cached] : statements) sqlite3_finalize(cached.stmt);
    statements.clear();
    if (handle) sqlite3_close(handle);
    handle = nullptr;
  }
  ~Connection() { close(); }
};

// The pointer is trivially destructible, so it stays valid for the thread's whole life: a
// program's static objects, destroyed after the main thread's thread-local objects, may still
// reach the machine (closing a file). The closer ends the connection at thread exit; a later use
// opens a new one.
thread_local Connection* t_connection = nullptr;

struct ConnectionCloser {
  ~ConnectionCloser() {
    delete t_connection;
    t_connection = nullptr;
  }
};

Connection& thread_connection() {
  thread_local ConnectionCloser closer;
  if (!t_connection) t_connection = new Connection;
  return *t_connection;
}

// Waits for a lock another connection holds, for up to 30 seconds, looking again every
// millisecond or two: SQLite's own busy timeout sleeps up to 100 ms at a time, so a waiter could
// sleep on long after the lock was free (a service's status report held up past its wait hint).
int wait_for_lock(void*, int attempt) {
  constexpr int kLimitUs = 30'000'000;
  constexpr int kStepUs = 1000;
  if (attempt >= kLimitUs / kStepUs) return 0;
  usleep(attempt < 10 ? 100 : kStepUs);
  return 1;
}

sqlite3* open_database(const std::filesystem::path& path, bool create, CommitWatch* watch) {
  // Memory statistics would take one lock for every allocation of every thread's connection.
  static std::once_flag configured;
  std::call_once(configured, [] { sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0); });
  sqlite3* db = nullptr;
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    std::string message = db ? sqlite3_errmsg(db) : "out of memory";
    if (db) sqlite3_close(db);
    die("cannot open the machine database " + path.string() + ": " + message);
  }
  sqlite3_busy_handler(db, wait_for_lock, nullptr);
  sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;", nullptr,
               nullptr, nullptr);
  *watch = {};
  count_commits(db, watch);
  return db;
}

}  // namespace

std::filesystem::path database_path(const std::filesystem::path& root) { return root / "machine.db"; }

void create(const std::filesystem::path& root, const Options& options) {
  namespace fs = std::filesystem;
  fs::create_directories(root);
  for (const char* dir : {"drive_c/Windows/System32", "drive_c/Tarvolt", "drive_c/Users/Public",
                          "drive_c/ProgramData", "drive_c/Windows/Temp"})
    fs::create_directories(root / dir);
  attach(root);
  exec(
      "CREATE TABLE IF NOT EXISTS config(key TEXT PRIMARY KEY, value TEXT NOT NULL);");
  create_schema();
  set_config("scale", std::to_string(options.scale));
  set_config("tz_bias_minutes", std::to_string(options.tz_bias_minutes));
  clock::start_machine_clock();
}

const std::filesystem::path& root() {
  std::lock_guard g(g_root_lock);
  if (!root_slot()) {
    const char* env = std::getenv("WINSIM_ROOT");
    if (!env || !*env) die("this program runs inside a simulated machine: set WINSIM_ROOT to its root folder");
    root_slot() = std::filesystem::absolute(env);
  }
  return *root_slot();
}

int attachment() { return g_generation.load(); }

void attach(const std::filesystem::path& new_root) {
  {
    std::lock_guard g(g_root_lock);
    root_slot() = std::filesystem::absolute(new_root);
    ++g_generation;
  }
  clock::reload();
}

bool attached() {
  std::lock_guard g(g_root_lock);
  return root_slot().has_value() || (std::getenv("WINSIM_ROOT") && *std::getenv("WINSIM_ROOT"));
}

std::filesystem::path drive_c() { return root() / "drive_c"; }

sqlite3* db() {
  Connection& connection = thread_connection();
  // Read before the root: an attach in between makes the next call open the connection again.
  int generation = g_generation.load();
  if (connection.handle && connection.generation == generation) return connection.handle;
  const std::filesystem::path& r = root();
  connection.close();
  bool exists = std::filesystem::exists(database_path(r));
  connection.handle = open_database(database_path(r), !exists, &connection.watch);
  connection.generation = generation;
  return connection.handle;
}

bool in_transaction() {
  return t_connection && t_connection->handle && t_connection->generation == g_generation.load() &&
         sqlite3_get_autocommit(t_connection->handle) == 0;
}

void exec(const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db(), sql, nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    die(std::string("machine database: ") + message + " in: " + sql);
  }
}

std::string config(const std::string& key, const std::string& fallback) {
  Statement s("SELECT value FROM config WHERE key = ?");
  s.bind(1, key);
  return s.step() ? s.column_text(0) : fallback;
}

void set_config(const std::string& key, const std::string& value) {
  Statement s("INSERT INTO config(key, value) VALUES(?, ?) ON CONFLICT(key) DO UPDATE SET value = excluded.value");
  s.bind(1, key).bind(2, value);
  s.step();
}

Transaction::Transaction() : owner_(sqlite3_get_autocommit(db()) != 0) {
  if (owner_) exec("BEGIN IMMEDIATE");
}
Transaction::~Transaction() {
  if (owner_ && !done_) sqlite3_exec(db(), "ROLLBACK", nullptr, nullptr, nullptr);
}
void Transaction::commit() {
  if (owner_) exec("COMMIT");
  done_ = true;
}

Statement::Statement(const char* sql) {
  sqlite3* handle = db();
  // A statement already running in this thread (a nested use of the same text) gets a fresh one.
  CachedStatement& cached = thread_connection().statements[sql];
  if (cached.stmt && !cached.in_use) {
    stmt_ = cached.stmt;
    cached.in_use = true;
    in_use_ = &cached.in_use;
    return;
  }
  if (sqlite3_prepare_v3(handle, sql, -1, cached.stmt ? 0 : SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) != SQLITE_OK)
    die(std::string("machine database: ") + sqlite3_errmsg(handle) + " in: " + sql);
  if (!cached.stmt) {
    cached.stmt = stmt_;
    cached.in_use = true;
    in_use_ = &cached.in_use;
  }
}
Statement::~Statement() {
  if (!in_use_) {
    sqlite3_finalize(stmt_);
    return;
  }
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
  *in_use_ = false;
}
Statement& Statement::bind(int index, long long value) {
  sqlite3_bind_int64(stmt_, index, value);
  return *this;
}
Statement& Statement::bind(int index, const std::string& text) {
  sqlite3_bind_text(stmt_, index, text.data(), int(text.size()), SQLITE_TRANSIENT);
  return *this;
}
Statement& Statement::bind_blob(int index, const void* data, int size) {
  sqlite3_bind_blob(stmt_, index, size ? data : "", size, SQLITE_TRANSIENT);
  return *this;
}
Statement& Statement::bind_null(int index) {
  sqlite3_bind_null(stmt_, index);
  return *this;
}
bool Statement::step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  die(std::string("machine database: ") + sqlite3_errmsg(sqlite3_db_handle(stmt_)));
}
long long Statement::column_int(int index) { return sqlite3_column_int64(stmt_, index); }
std::string Statement::column_text(int index) {
  const unsigned char* t = sqlite3_column_text(stmt_, index);
  return t ? std::string(reinterpret_cast<const char*>(t), sqlite3_column_bytes(stmt_, index)) : std::string();
}
std::string Statement::column_blob(int index) {
  const void* b = sqlite3_column_blob(stmt_, index);
  return b ? std::string(static_cast<const char*>(b), sqlite3_column_bytes(stmt_, index)) : std::string();
}
bool Statement::column_is_null(int index) { return sqlite3_column_type(stmt_, index) == SQLITE_NULL; }

}  // namespace platform::machine
