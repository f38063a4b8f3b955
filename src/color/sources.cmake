# color
