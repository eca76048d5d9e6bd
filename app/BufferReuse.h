#pragma once

// While it lives, memory the program frees is kept for its next requests
// instead of being handed back to the system. Writing pages allocates and
// frees buffers of a hundred megabytes and more (decoded photographs, their
// crops, the page image); fresh ones cost the kernel a page fault and a
// zero-fill for every 4 KB touched, which takes longer than decoding on a
// busy machine. The threads besides the drawing one share a heap meanwhile,
// so that the memory one decoding thread frees serves the next. At the end
// the kept memory is returned.
class BufferReuse
{
public:
    BufferReuse();
    ~BufferReuse();
    BufferReuse(const BufferReuse &) = delete;
    BufferReuse &operator=(const BufferReuse &) = delete;
};
