#pragma once

#include <exception>

// Thrown by avl_array only on misuse; the hierarchy model turns out-of-range requests into
// empty results before they get this far.

class allocator_returned_null : public std::exception
{
public:
    const char* what() const noexcept override;
};

class index_out_of_bounds : public std::exception
{
public:
    const char* what() const noexcept override;
};

class invalid_op_with_end : public std::exception
{
public:
    const char* what() const noexcept override;
};

// The comparator handed to binary_search said "a < b" and "b < a" for the same pair.
class lesser_and_greater : public std::exception
{
public:
    const char* what() const noexcept override;
};
