#pragma once

// Whoever holds page frames takes back a photograph the user dragged out of
// a frame onto an image list.
class FrameReturn
{
public:
    virtual ~FrameReturn() = default;
    // Empties frame `frame` of the current page; returns how many frames
    // still show its file, or -1 when the frame could not be taken back.
    virtual int takeBackFrame(int frame) = 0;
};
