// The memory of figures. A drawing holds up to millions of small figures
// of a few sizes, made and dropped together when a drawing is opened or
// closed; the general allocator keeps a header per block and sorts freed
// blocks back into its heap, which made allocation most of a load. Figures
// come instead from slabs of slots of their own size: no header, and a
// freed slot is the next one given out. Slabs are never handed back, so a
// slot stays valid memory for the run.
#pragma once

#include <cstddef>

// A slot of at least nSize bytes, aligned as any figure needs.
void* AllocateFigureMemory(std::size_t nSize);
// Gives back a slot that AllocateFigureMemory gave for the same nSize.
void FreeFigureMemory(void* p, std::size_t nSize) noexcept;
