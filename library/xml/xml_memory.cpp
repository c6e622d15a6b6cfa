// xml_memory.cpp -- the memory expat takes for one NAACCR XML check, counted
// against a budget, so that no input makes it hold more: a start tag of a
// million attributes or namespace declarations, or open elements with long
// names, are refused where expat would have taken hundreds of megabytes.
#include <stdint.h>
#include <stdlib.h>

#include "xml/xml_state.h"

namespace
{

// expat's memory functions get no context: the check that runs on a thread
// says whose budget its parsers take from.
thread_local XmlMemory *current_memory = nullptr;

// Before every block: its budget and size.  Sixteen bytes, so the block
// keeps malloc's alignment.
struct alignas(16) BlockHead {
    XmlMemory *memory; // null: not counted
    size_t size;       // as counted: the bytes asked for and the overhead
};

// What a block costs beyond the bytes asked for: its head and malloc's own.
// A tag of a million namespace declarations is a million small blocks.
const size_t block_overhead = 2 * sizeof(BlockHead);

// True when a block of `size` bytes may take the place of one that cost
// `old`; else notes that the budget ran out.  A counted block is never larger
// than the budget, so the sums below cannot overflow.
bool fits(XmlMemory *memory, size_t size, size_t old)
{
    if (memory == nullptr)
        return size <= SIZE_MAX - sizeof(BlockHead) - block_overhead;
    const size_t budget = memory->limit != 0 && memory->limit < xml_memory_budget ? memory->limit : xml_memory_budget;
    const size_t cost = size + block_overhead;
    if (size > budget || (cost > old && cost - old > budget - memory->used)) {
        memory->exceeded = true;
        return false;
    }
    return true;
}

void *counted_malloc(size_t size)
{
    XmlMemory *memory = current_memory;
    if (memory != nullptr && memory->buffer)
        memory = nullptr;
    if (!fits(memory, size, 0))
        return nullptr;
    BlockHead *head = static_cast<BlockHead *>(malloc(sizeof(BlockHead) + size));
    if (head == nullptr)
        return nullptr;
    head->memory = memory;
    head->size = size + block_overhead;
    if (memory != nullptr)
        memory->used += head->size;
    return head + 1;
}

void counted_free(void *block)
{
    if (block == nullptr)
        return;
    BlockHead *head = static_cast<BlockHead *>(block) - 1;
    if (head->memory != nullptr)
        head->memory->used -= head->size;
    free(head);
}

void *counted_realloc(void *block, size_t size)
{
    if (block == nullptr)
        return counted_malloc(size);
    BlockHead *head = static_cast<BlockHead *>(block) - 1;
    XmlMemory *memory = head->memory;
    const size_t old = head->size;
    if (!fits(memory, size, old))
        return nullptr;
    BlockHead *moved = static_cast<BlockHead *>(realloc(head, sizeof(BlockHead) + size));
    if (moved == nullptr)
        return nullptr; // the old block stands, as expat expects
    moved->size = size + block_overhead;
    if (memory != nullptr)
        memory->used = memory->used - old + moved->size;
    return moved + 1;
}

const XML_Memory_Handling_Suite counted_suite = {counted_malloc, counted_realloc, counted_free};

} // namespace

XmlMemory *enter_xml_memory(XmlMemory *memory)
{
    XmlMemory *previous = current_memory;
    current_memory = memory;
    return previous;
}

void leave_xml_memory(XmlMemory *previous) { current_memory = previous; }

XML_Parser create_counted_parser() { return XML_ParserCreate_MM(nullptr, &counted_suite, &xml_name_separator); }
