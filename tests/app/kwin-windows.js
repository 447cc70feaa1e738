// Prints the windows KWin manages, with their frames and the parts their programs draw.
workspace.clientList().forEach(function (c) {
    var f = c.frameGeometry, b = c.bufferGeometry;
    print("window " + c.caption + " noBorder=" + c.noBorder + " frame=" + [f.x, f.y, f.width, f.height] +
          " buffer=" + [b.x, b.y, b.width, b.height]);
});
