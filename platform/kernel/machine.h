// The machine this process belongs to: its shared database (the root is machine/root.h).
#pragma once

#include <sqlite3.h>

#include <string>

#include "machine/root.h"

namespace platform::machine {

// The machine database of the machine at `root`.
std::filesystem::path database_path(const std::filesystem::path& root);
// How many times this process has attached to a machine: another number, another machine.
int attachment();
// This thread's connection to the machine database (WAL, with a busy timeout).
sqlite3* db();
// Whether this thread's connection is inside a transaction (never, without a connection).
bool in_transaction();
// Runs SQL that returns no rows; ends the process on failure (a broken machine store).
void exec(const char* sql);

std::string config(const std::string& key, const std::string& fallback = "");
void set_config(const std::string& key, const std::string& value);

// BEGIN IMMEDIATE ... COMMIT, rolled back when not committed. Inside a transaction the thread
// already has, it joins that one: the outer one commits or rolls back.
class Transaction {
 public:
  Transaction();
  ~Transaction();
  void commit();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

 private:
  bool owner_;
  bool done_ = false;
};

// A prepared statement with bind helpers, reset on destruction. Each thread's connection keeps
// its prepared statements for reuse, so a statement costs its preparation once per thread.
class Statement {
 public:
  explicit Statement(const char* sql);
  ~Statement();
  Statement& bind(int index, long long value);
  Statement& bind(int index, const std::string& text);
  Statement& bind_blob(int index, const void* data, int size);
  Statement& bind_null(int index);
  bool step();  // true while a row is available
  long long column_int(int index);
  std::string column_text(int index);
  std::string column_blob(int index);
  bool column_is_null(int index);
  sqlite3_stmt* get() { return stmt_; }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

 private:
  sqlite3_stmt* stmt_ = nullptr;
  bool* in_use_ = nullptr;  // set when borrowed from the connection's cache, cleared on return
};

}  // namespace platform::machine
