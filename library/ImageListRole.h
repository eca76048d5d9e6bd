#pragma once

// Which of the two image lists a model serves. The role decides what the
// list offers to drags and the clipboard, what a drop of files does to it,
// and whether its rows keep the bytes of their files.
enum class ImageListRole {
    // The images of the current folder: offers "text/uri-list"; files
    // dropped on it are copied into the folder; rows read their files again
    // when they need them.
    Folder,
    // The images chosen for printing: offers "image/Velmora" and
    // "text/uri-list"; dropped files become rows; rows keep their files'
    // bytes while the byte budget allows, and every row is decoded.
    Selection,
};
