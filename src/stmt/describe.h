// Describe between the entry points and the attribute getters: parameter descriptors
// made from records, and the column and table records made from the server.
#pragma once

#include <oci.h>

#include <memory>

#include "stmt/describe_records.h"
#include "stmt/records.h"

struct OCIServer;

namespace vsk {

// A new parameter descriptor of env holding record, which it takes over (and releases
// when the descriptor cannot be made: null then). Texts read from it are kept in texts.
OCIParam *new_param(OCIEnv *env, DescribeRecord *record, std::shared_ptr<TextPool> texts) noexcept;

// The column record of column (0-based) of the statement's current result; null with
// the reason recorded on errhp when a text cannot be converted or memory is exhausted.
DescribeRecord *Alloc_OCIColumnParamHandle(OCIEnv *env, OCIStmt *stmt, int column, OCIError *errhp) noexcept;

// Describes the table named by name (len bytes in the client character set) into the
// describe handle; OCI_ERROR with the reason recorded otherwise.
sword Build_OCITableParamHandle(OCIEnv *env, OCIError *errhp, OCIServer *server, const void *name, ub4 len,
                                OCIDescribe *describe) noexcept;

}  // namespace vsk
