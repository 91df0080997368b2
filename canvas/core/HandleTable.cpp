#include "canvas/core/HandleTable.h"

#include <unordered_map>

namespace canvas {
namespace {

struct Table {
    std::unordered_map<Handle, HandleObject*> objects;
    Handle next = 1;
};

Table& TheTable() {
    static Table table;
    return table;
}

}  // namespace

Handle HandleTable::Add(HandleObject* obj) {
    Table& t = TheTable();
    // Handles grow; after a wrap-around skip 0 and any that is still in use.
    while (t.next == 0 || t.objects.count(t.next) != 0) ++t.next;
    const Handle handle = t.next++;
    t.objects.emplace(handle, obj);
    return handle;
}

void HandleTable::Remove(Handle handle) {
    TheTable().objects.erase(handle);
}

HandleObject* HandleTable::Find(Handle handle) {
    if (handle == 0) return nullptr;
    const Table& t = TheTable();
    const auto it = t.objects.find(handle);
    return it == t.objects.end() ? nullptr : it->second;
}

}  // namespace canvas
