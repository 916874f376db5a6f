#pragma once
// A log of plain records that a run appends to millions of times a second
// and takes back from its end (or drops from its start at a limit): kept in
// chunks of a fixed size, so growing never copies what is there, and the
// chunk emptied last is kept for the next one, so a log cleared and filled
// again (each run from the start) does not go back to the allocator for
// every chunk. Indexing is two shifts away; appending is a store through
// the tail's pointer, the chunk's end checked once.

#include <cstddef>
#include <deque>
#include <memory>
#include <type_traits>

template <typename T>
class ChunkedLog {
    static_assert(std::is_trivially_copyable_v<T>, "records are plain values");

public:
    static constexpr std::size_t kChunkBits = 14;
    static constexpr std::size_t kChunk = std::size_t(1) << kChunkBits;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    T& operator[](std::size_t i) {
        const std::size_t at = first_ + i;
        return chunks_[at >> kChunkBits][at & (kChunk - 1)];
    }
    const T& operator[](std::size_t i) const {
        const std::size_t at = first_ + i;
        return chunks_[at >> kChunkBits][at & (kChunk - 1)];
    }
    T& back() { return (*this)[size_ - 1]; }
    const T& back() const { return (*this)[size_ - 1]; }

    void push_back(const T& value) {
        if (tail_ == tailEnd_) {
            Grow();
        }
        *tail_++ = value;
        ++size_;
    }
    void pop_back() {
        --size_;
        if (((first_ + size_) & (kChunk - 1)) == 0 &&
            (first_ + size_) >> kChunkBits < chunks_.size()) {
            Retire(chunks_.size() - 1);
        }
        SyncTail();
    }
    void pop_front() {
        ++first_;
        --size_;
        if (first_ == kChunk) {
            first_ = 0;
            spare_ = std::move(chunks_.front());
            chunks_.pop_front();
            SyncTail();
        }
    }
    void clear() {
        if (!chunks_.empty() && !spare_) {
            spare_ = std::move(chunks_.back());
        }
        chunks_.clear();
        first_ = 0;
        size_ = 0;
        SyncTail();
    }

private:
    // The last chunk is full, or there is none: one more, its records left
    // unset until written.
    void Grow() {
        chunks_.push_back(spare_ ? std::move(spare_) : std::unique_ptr<T[]>(new T[kChunk]));
        SyncTail();
    }
    // Points the tail at the place after the last record, in its chunk.
    void SyncTail() {
        const std::size_t at = first_ + size_;
        if ((at >> kChunkBits) < chunks_.size()) {
            T* chunk = chunks_[at >> kChunkBits].get();
            tail_ = chunk + (at & (kChunk - 1));
            tailEnd_ = chunk + kChunk;
        } else {
            tail_ = tailEnd_ = nullptr;
        }
    }

    void Retire(std::size_t chunk) {
        spare_ = std::move(chunks_[chunk]);
        chunks_.erase(chunks_.begin() + std::ptrdiff_t(chunk));
    }

    std::deque<std::unique_ptr<T[]>> chunks_;
    std::unique_ptr<T[]> spare_;
    std::size_t first_ = 0;  // the first record's place in the first chunk
    std::size_t size_ = 0;
    T* tail_ = nullptr;
    T* tailEnd_ = nullptr;
};
