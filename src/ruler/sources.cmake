# ruler
