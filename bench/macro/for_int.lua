-- FOR loop of 1,000,000 iterations with integer arithmetic and an IF.
local s, t = 0, 0
for i = 1, 1000000 do
  t = i * 7 % 13
  if t > 6 then s = s + t else s = s - i // 3 end
end
print(s)
