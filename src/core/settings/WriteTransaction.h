// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tikkro::settings {

class DatabaseHandle;

// Every write is one transaction, so that a crash or a kill leaves either
// the old or the new record. It takes the write lock at once (waiting up to
// the busy timeout for another copy of the program to let go), and rolls
// back unless commit() was reached.
class WriteTransaction
{
public:
    explicit WriteTransaction(const DatabaseHandle& handle);
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    ~WriteTransaction();

    void commit();

private:
    const DatabaseHandle& m_handle;
    bool m_open = true;
};

} // namespace tikkro::settings
