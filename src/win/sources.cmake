# win
